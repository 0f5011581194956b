// Writes the sample machine's SMBIOS table, in the form Windows' 'RSMB' provider hands out,
// to a file (for the dmidecode check).
//   smbios_sample FILE MAJOR MINOR
#include <stdio.h>
#include <stdlib.h>

#include "smbios_builder.h"

int main(int argc, char **argv) {
    if (argc != 4)
        return 2;
    const std::string table = RsmbTable(SampleStructures(), atoi(argv[2]), atoi(argv[3]));
    FILE *file = fopen(argv[1], "wb");
    if (file == NULL)
        return 1;
    bool written = fwrite(table.data(), 1, table.size(), file) == table.size();
    return fclose(file) == 0 && written ? 0 : 1;
}
