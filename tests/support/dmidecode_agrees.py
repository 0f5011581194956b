#!/usr/bin/env python3
"""Holds what `Romprobe --json` printed against what dmidecode printed for the same tables.

Every fact of every structure must agree, absent facts included, as must the number of
structures of each kind and the SMBIOS version. With --wine the JSON came from the tables
that Wine hands out, which Wine builds itself from the kernel's DMI fields (its own version,
the machine-id as UUID, no processors or memory): then only the facts both show are held
against each other. Either way some facts must have been compared.
usage: dmidecode_agrees.py ROMPROBE_JSON DMIDECODE_TEXT [--wine]
"""
import json, re, sys

wine = "--wine" in sys.argv[3:]
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

names = ("type", "family", "status", "location", "use", "error_correction")  # "Unknown" is a name

def theirs(key, value):  # dmidecode's text in the JSON's terms
    if isinstance(value, bool):
        return value
    if value in (None, "Not Specified", "<OUT OF SPEC>") or (value == "Unknown" and key not in names):
        return None
    if value == "No Module Installed":
        return 0
    if key == "id":  # the second doubleword, then the first, as WMIC's ProcessorId
        return "".join(reversed(value.split()[4:])) + "".join(reversed(value.split()[:4]))
    if m := re.fullmatch(r"(\d+) (kB|MB|GB|TB|MHz|MT/s)", value) if key not in names else None:
        size = int(m[1]) * {"kB": 1 / 1024, "GB": 1024, "TB": 1024 * 1024}.get(m[2], 1)
        return size * 1024 if key.endswith("_kb") else size
    if key in ("cores", "threads", "devices"):
        return int(value)
    return value.upper() if key == "uuid" else value

# The processor status as dmidecode shows it: "Populated, Enabled" or "Unpopulated".
for fields, _ in shown.get(4, []):
    status = fields.pop("Status", None)
    if status is not None:
        fields["Populated"] = status.startswith("Populated")
        if status.startswith("Populated, "):
            fields["Status"] = status[len("Populated, "):]

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
                       ("threads", "Thread Count"), ("id", "ID"), ("family", "Family"),
                       ("populated", "Populated"), ("status", "Status")]),
    "memory_arrays": (16, [("location", "Location"), ("use", "Use"),
                           ("error_correction", "Error Correction Type"),
                           ("max_capacity_mb", "Maximum Capacity"), ("devices", "Number Of Devices")]),
    "tpm": (43, [("vendor_id", "Vendor ID"), ("spec_version", "Specification Version"),
                 ("firmware_version", "Firmware Revision"), ("description", "Description")]),
    "memory_devices": (17, [("locator", "Locator"), ("bank", "Bank Locator"), ("size_mb", "Size"),
                            ("type", "Type"), ("speed_mts", "Speed")] + common[:1] +
                       [("serial", "Serial Number"), ("part_number", "Part Number")]),
}
failures, compared = [], 0
for name, (kind, pairs) in labels.items():
    entries = facts[name] if isinstance(facts[name], list) else [] if facts[name] is None else [facts[name]]
    if name == "tpm":
        shown[kind] = shown.get(kind, [])[:1]  # the first TPM structure
    if len(entries) != len(shown.get(kind, [])) and not wine:
        failures.append(f"{name}: {len(entries)} in Romprobe, {len(shown.get(kind, []))} in dmidecode")
    for i, (entry, (fields, _)) in enumerate(zip(entries, shown.get(kind, []))):
        for key, label in pairs:
            mine, other = ours(entry[key]), theirs(key, fields.get(label))
            if wine and (mine is None or other is None or key == "uuid"):
                continue
            if key == "status" and entry["populated"] is False:
                continue  # dmidecode shows no status for an empty socket
            compared += 1
            if mine != other:
                failures.append(f"{name}[{i}].{key}: Romprobe {entry[key]!r}, dmidecode {fields.get(label)!r}")
# The OEM strings of all type 11 structures, in order.
strings = [value for fields, _ in shown.get(11, []) for label, value in fields.items()
           if re.fullmatch(r"String \d+", label)]
if not wine or facts["oem_strings"]:
    compared += len(strings)
    if [ours(s) for s in facts["oem_strings"]] != strings:
        failures.append(f"oem_strings: Romprobe {facts['oem_strings']!r}, dmidecode {strings!r}")
if not wine:
    text = open(sys.argv[2], encoding="latin-1").read()
    version = re.search(r"^SMBIOS (\d+\.\d+)(\.\d+)? present", text, re.M)
    if facts["smbios_version"] != (version[1] if version else None):
        failures.append(f"smbios_version: Romprobe {facts['smbios_version']!r}, dmidecode {version and version[1]!r}")
    if facts["bios"]["uefi"] != ("UEFI is supported" in shown[0][0][1]):
        failures.append("bios.uefi")
if compared == 0:  # a dmidecode text or JSON that holds nothing proves nothing
    failures.append("no fact was compared")
print("\n".join(["FAIL " + f for f in failures]) or f"dmidecode agrees on all {compared} facts compared")
sys.exit(1 if failures else 0)
