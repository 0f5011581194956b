#!/usr/bin/env python3
"""Compares what `Romprobe --json` printed with what dmidecode reads from the same machine.

Every fact that both show must agree; the UUID and the SMBIOS version must be shown by both.
With --wine the JSON came from the tables that Wine hands out: Wine builds them itself from
the kernel's DMI fields, with a version of its own and the machine-id as the UUID, so those
two are not compared. Run where dmidecode reads the machine's tables (the emulated guest).
usage: dmidecode-agrees.py ROMPROBE_JSON [--wine]
"""
import json
import re
import subprocess
import sys

# JSON path -> dmidecode -s keyword, or a pattern to find in dmidecode's whole output
FACTS = {
    "smbios_version": r"^SMBIOS (\d+\.\d+) present",
    "bios.vendor": "bios-vendor",
    "bios.version": "bios-version",
    "bios.release_date": "bios-release-date",
    "bios.revision": "bios-revision",
    "bios.ec_revision": "firmware-revision",
    "system.manufacturer": "system-manufacturer",
    "system.product": "system-product-name",
    "system.version": "system-version",
    "system.serial": "system-serial-number",
    "system.uuid": "system-uuid",
    "system.sku": "system-sku-number",
    "system.family": "system-family",
    "baseboard.manufacturer": "baseboard-manufacturer",
    "baseboard.product": "baseboard-product-name",
    "baseboard.version": "baseboard-version",
    "baseboard.serial": "baseboard-serial-number",
    "baseboard.asset_tag": "baseboard-asset-tag",
    "chassis.manufacturer": "chassis-manufacturer",
    "chassis.type": "chassis-type",
    "chassis.version": "chassis-version",
    "chassis.serial": "chassis-serial-number",
    "chassis.asset_tag": "chassis-asset-tag",
    "processors.0.manufacturer": "processor-manufacturer",
    "processors.0.version": "processor-version",
    "processors.0.current_speed_mhz": "processor-frequency",
}
# Not compared for Wine's own tables.
WINE_OWN = ("smbios_version", "system.uuid")


def romprobe_fact(facts, path):
    for key in path.split("."):
        if isinstance(facts, list):
            facts = facts[int(key)] if int(key) < len(facts) else None
        elif isinstance(facts, dict):
            facts = facts.get(key)
        if facts is None:
            return None
    return f"{facts} MHz" if path.endswith("_mhz") else str(facts)


def dmidecode_fact(keyword):
    if keyword.startswith("^"):
        out = subprocess.run(["dmidecode"], capture_output=True, text=True).stdout
        found = re.search(keyword, out, re.M)
        return found.group(1) if found else None
    out = subprocess.run(["dmidecode", "-s", keyword], capture_output=True, text=True).stdout
    value = out.splitlines()[0].strip() if out.strip() else ""
    return None if value in ("", "Not Specified", "Not Present") else value


def main():
    with open(sys.argv[1], encoding="utf-8") as file:
        facts = json.load(file)
    wine = "--wine" in sys.argv[2:]
    failed = 0
    both = set()
    for path, keyword in FACTS.items():
        if wine and path in WINE_OWN:
            continue
        ours, theirs = romprobe_fact(facts, path), dmidecode_fact(keyword)
        if ours is None or theirs is None:
            continue
        both.add(path)
        # dmidecode writes the UUID in lower case, Romprobe in upper case.
        if ours.strip() == theirs or (path == "system.uuid" and ours.upper() == theirs.upper()):
            print(f"ok   {path}: {ours!r} as dmidecode shows it")
        else:
            print(f"FAIL {path}: Romprobe {ours!r}, dmidecode {theirs!r}")
            failed += 1
    for path in () if wine else WINE_OWN:
        if path not in both:
            print(f"FAIL {path} is not shown by both")
            failed += 1
    print(f"{len(both) - failed} of {len(both)} facts agree with dmidecode")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
