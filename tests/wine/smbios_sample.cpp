// Writes the sample machine's SMBIOS table, in the form Windows' 'RSMB' provider hands out,
// to the file named on the command line (for the dmidecode check).
#include <stdio.h>

#include "smbios_builder.h"

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    const std::string table = RsmbTable(SampleStructures(), 3, 2);
    FILE *file = fopen(argv[1], "wb");
    if (file == NULL)
        return 1;
    bool written = fwrite(table.data(), 1, table.size(), file) == table.size();
    return fclose(file) == 0 && written ? 0 : 1;
}
