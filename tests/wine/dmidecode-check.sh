#!/usr/bin/env bash
# Romprobe's tables against dmidecode: the sample table goes through Romprobe --smbios and
# --save-smbios; dmidecode --from-dump must show every fact that Romprobe --json shows, and
# Romprobe must read its own dump to the same JSON.
# usage: dmidecode-check.sh BUILD_DIR (the x86_64 build)
set -eu
build=$(cd "$1" && pwd); here=$(cd "$(dirname "$0")" && pwd)
work=$build/dmidecode-check
rm -rf "$work"; mkdir -p "$work"
dmidecode=$(command -v dmidecode || echo /usr/sbin/dmidecode)
wine() { bash "$here/run-under-wine.sh" "$build" en_US.UTF-8 "$@"; }

for version in "3 2" "2 8"; do
  set -- $version
  echo "SMBIOS $1.$2"
  wine smbios_sample.exe dmidecode-check/sample.bin "$1" "$2"
  wine Romprobe.exe --smbios dmidecode-check/sample.bin --save-smbios dmidecode-check/saved.bin \
    --json >"$work/sample.json"
  "$dmidecode" --from-dump "$work/saved.bin" >"$work/dmidecode.txt" 2>"$work/dmidecode.err"
  # dmidecode finds nothing wrong with the entry point, the count or the length.
  if [ -s "$work/dmidecode.err" ]; then cat "$work/dmidecode.err"; exit 1; fi
  grep -q "^SMBIOS $1\.$2" "$work/dmidecode.txt"
  wine Romprobe.exe --smbios dmidecode-check/saved.bin --json >"$work/saved.json"
  cmp "$work/sample.json" "$work/saved.json"
  python3 - "$work/sample.json" "$work/dmidecode.txt" <<'PY'
import json, re, sys

facts = json.load(open(sys.argv[1], encoding="utf-8"))
records = []  # (type, {field: value}, [list lines]) for each handle dmidecode shows
for line in open(sys.argv[2], encoding="latin-1"):
    line = line.rstrip("\n")
    if m := re.match(r"Handle 0x[0-9A-F]+, DMI type (\d+)", line):
        records.append((int(m[1]), {}, []))
    elif records and (m := re.match(r"\t([^\t:][^:]*): (.*)$", line)):
        records[-1][1][m[1]] = m[2].rstrip()
    elif records and line.startswith("\t\t"):
        records[-1][2].append(line.strip())

def of_type(kind):
    return [r for r in records if r[0] == kind]

def text(value):  # dmidecode shows bytes outside printable ASCII as '.'
    return None if value is None else "".join(c if " " <= c <= "~" else "." for c in value)

def number(value):  # "4800 MHz", "16 MB", "512 kB", "Unknown"
    if value is None or not value[0].isdigit():
        return None
    amount, unit = (value.split() + [""])[:2]
    scale = {"kB": 1 / 1024, "MB": 1, "GB": 1024}.get(unit, 1)
    return float(amount) * scale

failures = []
def same(where, ours, theirs):
    if ours != theirs:
        failures.append(f"{where}: Romprobe {ours!r}, dmidecode {theirs!r}")

def strings(where, ours, fields, pairs):
    for key, label in pairs:
        theirs = fields.get(label)
        same(f"{where}.{key}", text(ours[key]), None if theirs == "Not Specified" else theirs)

bios, fields, lines = of_type(0)[0]
strings("bios", facts["bios"], fields,
        [("vendor", "Vendor"), ("version", "Version"), ("release_date", "Release Date")])
same("bios.rom_size_kb", facts["bios"]["rom_size_kb"], number(fields["ROM Size"]) * 1024)
same("bios.revision", facts["bios"]["revision"], fields.get("BIOS Revision"))
same("bios.ec_revision", facts["bios"]["ec_revision"], fields.get("Firmware Revision"))
same("bios.uefi", facts["bios"]["uefi"], "UEFI is supported" in lines)

fields = of_type(1)[0][1]
strings("system", facts["system"], fields,
        [("manufacturer", "Manufacturer"), ("product", "Product Name"), ("version", "Version"),
         ("serial", "Serial Number"), ("sku", "SKU Number"), ("family", "Family")])
same("system.uuid", facts["system"]["uuid"], fields["UUID"].upper())
strings("baseboard", facts["baseboard"], of_type(2)[0][1],
        [("manufacturer", "Manufacturer"), ("product", "Product Name"), ("version", "Version"),
         ("serial", "Serial Number"), ("asset_tag", "Asset Tag")])
fields = of_type(3)[0][1]
strings("chassis", facts["chassis"], fields,
        [("manufacturer", "Manufacturer"), ("version", "Version"), ("serial", "Serial Number"),
         ("asset_tag", "Asset Tag"), ("type", "Type")])

same("processor count", len(facts["processors"]), len(of_type(4)))
for i, (ours, (_, fields, _)) in enumerate(zip(facts["processors"], of_type(4))):
    strings(f"processors[{i}]", ours, fields, [("socket", "Socket Designation"),
            ("manufacturer", "Manufacturer"), ("version", "Version")])
    for key, label in [("max_speed_mhz", "Max Speed"), ("current_speed_mhz", "Current Speed"),
                       ("cores", "Core Count"), ("threads", "Thread Count")]:
        same(f"processors[{i}].{key}", ours[key], number(fields.get(label)))

same("memory device count", len(facts["memory_devices"]), len(of_type(17)))
for i, (ours, (_, fields, _)) in enumerate(zip(facts["memory_devices"], of_type(17))):
    strings(f"memory_devices[{i}]", ours, fields, [("locator", "Locator"),
            ("bank", "Bank Locator"), ("type", "Type"), ("manufacturer", "Manufacturer"),
            ("serial", "Serial Number"), ("part_number", "Part Number")])
    size = 0 if fields["Size"] == "No Module Installed" else number(fields["Size"])
    same(f"memory_devices[{i}].size_mb", ours["size_mb"], size)
    same(f"memory_devices[{i}].speed_mts", ours["speed_mts"], number(fields.get("Speed")))

for failure in failures:
    print("FAIL", failure)
print(f"dmidecode agrees on {len(records)} structures" if not failures else
      f"{len(failures)} facts differ")
sys.exit(1 if failures else 0)
PY
done
