#!/usr/bin/env python3
"""In a UEFI guest, as root: copies the Secure Boot variables as efivarfs shows them (4 bytes
of attributes, then the data, in files named NAME-GUID) to OUT_DIR/efivars, the firmware's
TCG boot log to OUT_DIR/boot-log.bin and the kernel's lines on EFI, Secure Boot and the TPM
to OUT_DIR/dmesg.txt. A variable the firmware does not hold is left out and named.
usage: efi-capture.py OUT_DIR"""
import os
import re
import subprocess
import sys

GLOBAL = "8be4df61-93ca-11d2-aa0d-00e098032b8c"
IMAGE_SECURITY = "d719b2cb-3d3a-4596-a3bc-dad00e67656f"
VARIABLES = [("SecureBoot", GLOBAL), ("SetupMode", GLOBAL), ("PK", GLOBAL), ("KEK", GLOBAL),
             ("db", IMAGE_SECURITY), ("dbx", IMAGE_SECURITY)]
EFIVARS = "/sys/firmware/efi/efivars"
BOOT_LOG = "/sys/kernel/security/tpm0/binary_bios_measurements"


def mount(kind, where):
    if not os.path.ismount(where):
        subprocess.run(["mount", "-t", kind, "none", where], check=True)


def read_whole(path):
    # efivarfs hands a variable out in one read only (cp fails on it).
    fd = os.open(path, os.O_RDONLY)
    try:
        data = b""
        while True:
            part = os.read(fd, 1 << 20)
            if not part:
                return data
            data += part
    finally:
        os.close(fd)


def main():
    out = sys.argv[1]
    if not os.path.isdir("/sys/firmware/efi"):
        sys.exit("the guest did not start through UEFI firmware")
    subprocess.run(["modprobe", "efivarfs"], check=True)
    mount("efivarfs", EFIVARS)
    mount("securityfs", "/sys/kernel/security")
    os.makedirs(os.path.join(out, "efivars"), exist_ok=True)
    for name, guid in VARIABLES:
        path = os.path.join(EFIVARS, f"{name}-{guid}")
        if not os.path.exists(path):
            print(f"the firmware holds no {name}")
            continue
        data = read_whole(path)
        with open(os.path.join(out, "efivars", f"{name}-{guid}"), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")
    if not os.path.exists(BOOT_LOG):
        sys.exit("the guest has no TPM boot log")
    log = read_whole(BOOT_LOG)
    with open(os.path.join(out, "boot-log.bin"), "wb") as f:
        f.write(log)
    print(f"boot log: {len(log)} bytes")
    dmesg = subprocess.run(["dmesg"], capture_output=True, text=True).stdout
    lines = [l for l in dmesg.splitlines() if re.search(r"efi|secure ?boot|tpm", l, re.I)]
    with open(os.path.join(out, "dmesg.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")
    print("\n".join(l for l in lines if re.search(r"secure ?boot", l, re.I)))


main()
