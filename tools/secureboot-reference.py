#!/usr/bin/env python3
"""Reads Secure Boot facts with Debian's own tools, as a reference for Romprobe's `secure_boot`
JSON object: the stores of an efivarfs copy through efitools' sig-list-to-certs and
`openssl x509`, the boot authorities of a TCG boot log through tpm2_eventlog. Prints a JSON
object with the keys enabled, setup_mode, pk, kek, db, dbx, boot_authorities and ca_2023,
each as Romprobe names it.
usage: secureboot-reference.py EFIVARS_DIR [BOOT_LOG]"""
import json
import os
import re
import subprocess
import sys
import tempfile

import yaml

GLOBAL = "8be4df61-93ca-11d2-aa0d-00e098032b8c"
IMAGE_SECURITY = "d719b2cb-3d3a-4596-a3bc-dad00e67656f"
STORES = [("pk", "PK", GLOBAL), ("kek", "KEK", GLOBAL), ("db", "db", IMAGE_SECURITY),
          ("dbx", "dbx", IMAGE_SECURITY)]


def variable(folder, name, guid):
    path = os.path.join(folder, f"{name}-{guid}")
    return open(path, "rb").read()[4:] if os.path.exists(path) else None


def certificate(der):
    """Subject and issuer CN, serial and dates as openssl prints them, or None."""
    run = subprocess.run(["openssl", "x509", "-inform", "der", "-noout", "-subject", "-issuer",
                          "-nameopt", "multiline,utf8,-esc_msb", "-serial", "-startdate",
                          "-enddate", "-dateopt", "iso_8601"], input=der, capture_output=True)
    if run.returncode != 0:
        return None
    text = run.stdout.decode()
    subject, issuer = text.split("\nissuer=")
    cn = lambda part: (re.findall(r"^\s+commonName\s+= (.*)$", part, re.M) or [None])[-1]
    field = lambda key: re.search(rf"^{key}=(\S+)", text, re.M).group(1)
    return {"type": "x509", "subject": cn(subject), "issuer": cn(issuer),
            "serial": field("serial").lower(), "not_before": field("notBefore"),
            "not_after": field("notAfter"), "hash": None}


def signature_types(data):
    """The signature type GUID of each entry, from the lists' headers (sig-list-to-certs does
    not name the types it does not know)."""
    at = 0
    while at + 28 <= len(data):
        size, header, each = (int.from_bytes(data[at + i:at + i + 4], "little") for i in (16, 20, 24))
        guid = data[at:at + 16]
        text = guid[3::-1].hex() + "-" + guid[5:3:-1].hex() + "-" + guid[7:5:-1].hex() + "-" + \
            guid[8:10].hex() + "-" + guid[10:].hex()
        for _ in range((size - 28 - header) // each if each else 0):
            yield text
        at += max(size, 28)


def store(data):
    """The entries of an EFI signature list, in order, as sig-list-to-certs splits it."""
    with tempfile.TemporaryDirectory() as tmp:
        open(os.path.join(tmp, "list"), "wb").write(data)
        said = subprocess.run(["sig-list-to-certs", "list", "entry"], cwd=tmp, check=True,
                              capture_output=True, text=True).stdout
        entries = []
        found = re.findall(r"^file (entry-\d+\.\w+): Guid (\S+)", said, re.M)
        for (name, owner), kind in zip(found, signature_types(data)):
            raw = open(os.path.join(tmp, name), "rb").read()
            entry = {"type": "other", "subject": None, "issuer": None, "serial": None,
                     "not_before": None, "not_after": None, "hash": kind}
            if name.endswith(".der"):
                entry = certificate(raw)
            elif name.endswith(".hash"):
                entry.update(type="sha256", hash=raw.hex())
            entries.append(dict(entry, owner=owner.lower()))
        return entries


def boot_authorities(log):
    """Subject CN of each EV_EFI_VARIABLE_AUTHORITY event that holds a certificate, bare or
    as an EFI_SIGNATURE_DATA (an owner GUID, then the certificate)."""
    events = yaml.safe_load(subprocess.run(["tpm2_eventlog", log], check=True,
                                           capture_output=True, text=True).stdout)["events"]
    names = []
    for event in events:
        if event["EventType"] == "EV_EFI_VARIABLE_AUTHORITY":
            data = bytes.fromhex(event["Event"]["VariableData"])
            found = certificate(data) or certificate(data[16:])
            if found:
                names.append(found["subject"])
    return names


def ca_2023(kek, db, dbx):
    if kek is None or db is None:
        return None
    has = lambda entries, cn: any(e["subject"] == cn for e in entries)
    third_party = has(db, "Microsoft Corporation UEFI CA 2011")
    facts = {"kek_2k_ca_2023": has(kek, "Microsoft Corporation KEK 2K CA 2023"),
             "windows_uefi_ca_2023": has(db, "Windows UEFI CA 2023"),
             "microsoft_uefi_ca_2023": has(db, "Microsoft UEFI CA 2023") if third_party else None,
             "option_rom_uefi_ca_2023":
                 has(db, "Microsoft Option ROM UEFI CA 2023") if third_party else None,
             "pca_2011_revoked":
                 has(dbx, "Microsoft Windows Production PCA 2011") if dbx is not None else None}
    needed = [v for k, v in facts.items() if k != "pca_2011_revoked" and v is not None]
    return dict(facts, status="updated" if all(needed) else "not updated")


def main():
    folder = sys.argv[1]
    flag = lambda name: None if variable(folder, name, GLOBAL) is None else \
        variable(folder, name, GLOBAL) == b"\x01"
    facts = {"enabled": flag("SecureBoot"), "setup_mode": flag("SetupMode")}
    for key, name, guid in STORES:
        data = variable(folder, name, guid)
        facts[key] = store(data) if data is not None else None
    facts["boot_authorities"] = boot_authorities(sys.argv[2]) if len(sys.argv) > 2 else None
    facts["ca_2023"] = ca_2023(facts["kek"], facts["db"], facts["dbx"])
    json.dump(facts, sys.stdout, indent=1)
    print()


main()
