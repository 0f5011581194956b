// Writes the sample machine's SMBIOS table, in the form Windows' 'RSMB' provider hands out,
// to a file (for the dmidecode check).
//   smbios_sample FILE MAJOR MINOR [TPM_MAJOR]  (a TPM 2.0 unless TPM_MAJOR is 1)
#include <stdio.h>
#include <stdlib.h>

#include "smbios_builder.h"

int main(int argc, char **argv) {
    if (argc != 4 && argc != 5)
        return 2;
    const std::string table =
        RsmbTable(SampleStructures(argc == 5 ? atoi(argv[4]) : 2), atoi(argv[2]), atoi(argv[3]));
    FILE *file = fopen(argv[1], "wb");
    if (file == NULL)
        return 1;
    bool written = fwrite(table.data(), 1, table.size(), file) == table.size();
    return fclose(file) == 0 && written ? 0 : 1;
}
