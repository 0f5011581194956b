#!/usr/bin/env bash
# Romprobe's tables against dmidecode: the sample table goes through Romprobe --smbios and
# --save-smbios; dmidecode --from-dump must show every fact that Romprobe --json shows, and
# Romprobe must read its own dump to the same JSON. Then the summary's language and the exit
# codes.
# usage: dmidecode-check.sh BUILD_DIR (the x86_64 build)
set -eu
build=$(cd "$1" && pwd); here=$(cd "$(dirname "$0")" && pwd)
work=$build/dmidecode-check
rm -rf "$work"; mkdir -p "$work"
dmidecode=$(command -v dmidecode || echo /usr/sbin/dmidecode)
wine() { bash "$here/run-under-wine.sh" "$build" "${locale:-en_US.UTF-8}" "$@"; }

for version in "3 2" "2 8"; do
  set -- $version
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
shown = {}  # structure type: [({label: value}, [list items])] as dmidecode shows them
for line in open(sys.argv[2], encoding="latin-1"):
    if m := re.match(r"Handle 0x[0-9A-F]+, DMI type (\d+)", line):
        record = ({}, [])
        shown.setdefault(int(m[1]), []).append(record)
    elif m := re.match(r"\t([^\t:][^:]*): (.*)$", line):
        record[0][m[1]] = m[2].rstrip()
    elif line.startswith("\t\t"):
        record[1].append(line.strip())

def theirs(key, value):  # dmidecode's text in the JSON's terms
    if value in (None, "Not Specified") or (value == "Unknown" and key != "type"):
        return None
    if value == "No Module Installed":
        return 0
    if m := re.fullmatch(r"(\d+) (kB|MB|GB|MHz|MT/s)", value) if key != "type" else None:
        size = int(m[1]) * {"kB": 1 / 1024, "GB": 1024}.get(m[2], 1)
        return size * 1024 if key.endswith("_kb") else size
    return int(value) if key in ("cores", "threads") else value.upper() if key == "uuid" else value

def ours(value):  # dmidecode shows bytes outside printable ASCII as '.'
    return "".join(c if " " <= c <= "~" else "." for c in value) if isinstance(value, str) else value

common = [("manufacturer", "Manufacturer"), ("version", "Version"), ("serial", "Serial Number")]
labels = {  # JSON object: structure type and (key, dmidecode's label) pairs
    "bios": (0, [("vendor", "Vendor"), ("version", "Version"), ("release_date", "Release Date"),
                 ("rom_size_kb", "ROM Size"), ("revision", "BIOS Revision"),
                 ("ec_revision", "Firmware Revision")]),
    "system": (1, common + [("product", "Product Name"), ("sku", "SKU Number"),
                            ("family", "Family"), ("uuid", "UUID")]),
    "baseboard": (2, common + [("product", "Product Name"), ("asset_tag", "Asset Tag")]),
    "chassis": (3, common + [("asset_tag", "Asset Tag"), ("type", "Type")]),
    "processors": (4, [("socket", "Socket Designation"), ("manufacturer", "Manufacturer"),
                       ("version", "Version"), ("max_speed_mhz", "Max Speed"),
                       ("current_speed_mhz", "Current Speed"), ("cores", "Core Count"),
                       ("threads", "Thread Count")]),
    "memory_devices": (17, [("locator", "Locator"), ("bank", "Bank Locator"), ("size_mb", "Size"),
                            ("type", "Type"), ("speed_mts", "Speed")] + common[:1] +
                       [("serial", "Serial Number"), ("part_number", "Part Number")]),
}
failures = []
for name, (kind, pairs) in labels.items():
    entries = facts[name] if isinstance(facts[name], list) else [facts[name]]
    if len(entries) != len(shown.get(kind, [])):
        failures.append(f"{name}: {len(entries)} in Romprobe, {len(shown.get(kind, []))} in dmidecode")
    for i, (entry, (fields, _)) in enumerate(zip(entries, shown.get(kind, []))):
        for key, label in pairs:
            if ours(entry[key]) != theirs(key, fields.get(label)):
                failures.append(f"{name}[{i}].{key}: Romprobe {entry[key]!r}, dmidecode {fields.get(label)!r}")
if facts["bios"]["uefi"] != ("UEFI is supported" in shown[0][0][1]):
    failures.append("bios.uefi")
print("\n".join(["FAIL " + f for f in failures]) or f"dmidecode agrees on {len(labels)} objects")
sys.exit(1 if failures else 0)
PY
done

# The summary speaks the user's language; a file that cannot be read gives 1, a command line
# that is not understood 2, each with its message on standard error.
locale=de_DE.UTF-8 wine Romprobe.exe --smbios dmidecode-check/saved.bin | grep -q "^  Hersteller: *Tolvo"
code=0; wine Romprobe.exe --smbios dmidecode-check/none.bin 2>"$work/err" || code=$?
grep -q "^Romprobe: cannot read dmidecode-check/none.bin" "$work/err" && [ "$code" = 1 ] || exit 1
code=0; wine Romprobe.exe --smbios 2>"$work/err" || code=$?
grep -q "^Usage: Romprobe" "$work/err" && [ "$code" = 2 ]
