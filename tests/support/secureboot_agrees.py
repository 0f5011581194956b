#!/usr/bin/env python3
"""Holds Romprobe's reading of Secure Boot data against independent readers: each certificate
against `openssl x509` (CNs, serial, dates), each store against `sig-list-to-certs` (entries in
order), a boot log's variables against `tpm2_eventlog`; on the real data beside it and on PCs
built with `cert-to-efi-sig-list`, whose verdict on the 2023 certificates is checked too.
usage: secureboot_agrees.py SECUREBOOT_VIEW DATA_DIR
"""
import json, os, re, subprocess, sys, tempfile

view, data, work = sys.argv[1], sys.argv[2], tempfile.mkdtemp()
failures, compared = [], 0
GLOBAL, IMAGES = "8be4df61-93ca-11d2-aa0d-00e098032b8c", "d719b2cb-3d3a-4596-a3bc-dad00e67656f"


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def ours(*arguments):
    return json.loads(run(view, *arguments))["secure_boot"]


def write(name, payload):
    with open(os.path.join(work, name), "wb") as f:
        f.write(payload)
    return f.name


def certificate(path):  # openssl's view of a DER certificate, in the JSON's terms
    text = run("openssl", "x509", "-inform", "der", "-in", path, "-noout", "-subject", "-issuer",
               "-serial", "-dates", "-nameopt", "RFC2253,-esc_msb", "-dateopt", "iso_8601")
    fields = dict(line.split("=", 1) for line in text.splitlines())
    def cn(name):
        m = re.search(r"(?:^|,)CN=((?:\\.|[^,])*)", name)
        return re.sub(r"\\(.)", r"\1", m[1]) if m else None
    return {"type": "x509", "subject": cn(fields["subject"]), "issuer": cn(fields["issuer"]),
            "serial": fields["serial"].lower(), "not_before": fields["notBefore"][:10],
            "not_after": fields["notAfter"][:10]}


def agree(what, mine, stores):  # each store against sig-list-to-certs' view of it
    global compared
    for store, payload in stores.items():
        out = run("sig-list-to-certs", write("store", payload), os.path.join(work, "entry"))
        theirs = []
        for kind, path, owner in re.findall(r"(\w+) Header.*\nfile (\S+): Guid (\S+)", out):
            entry = certificate(path) if kind == "X509" else {"type": "other"}
            if kind == "SHA256":
                entry = {"type": "sha256", "hash": open(path, "rb").read().hex()}
            theirs.append(dict(entry, owner=owner))
        if len(mine[store.lower()] or []) != len(theirs):
            failures.append(f"{what} {store}: {mine[store.lower()]}, sig-list-to-certs {theirs}")
        for i, (a, b) in enumerate(zip(mine[store.lower()] or [], theirs)):
            for key, value in b.items():
                compared += 1
                if a[key] != value:
                    failures.append(f"{what} {store} {i} {key}: {a[key]!r}, theirs {value!r}")


# PCs made of Microsoft's certificates, one signature list per certificate, as efivarfs copies.
lists = {}
for name in sorted(os.listdir(os.path.join(data, "certs"))):
    pem = os.path.join(work, name + ".pem")
    run("openssl", "x509", "-inform", "der", "-in", os.path.join(data, "certs", name), "-out", pem)
    run("cert-to-efi-sig-list", "-g", "77fa9abd-0359-4d32-bd60-28f4e78f784b", pem, pem + ".esl")
    lists[re.split(r"[_.]", name)[0]] = open(pem + ".esl", "rb").read()
old_kek, kek_2023 = lists["MicCorKEKCA2011"], lists["microsoft-corporation-kek-2k-ca-2023"]
pca, uefi_2011, windows_2023 = lists["MicWinProPCA2011"], lists["MicCorUEFCA2011"], lists["windows-uefi-ca-2023"]
third_party_2023 = lists["microsoft-uefi-ca-2023"] + lists["microsoft-option-rom-uefi-ca-2023"]
# Certificates at the edges of what openssl prints: serials negative, padded and zero, names in
# UTF-8 or without a CN, validity past 2049 (GeneralizedTime).
key, edges = os.path.join(work, "key.pem"), b""
run("openssl", "genpkey", "-algorithm", "EC", "-pkeyopt", "ec_paramgen_curve:P-256", "-out", key)
for serial, subject, days in (("-129", "/CN=Größe €", 1), ("0x80ff", "/O=No CN", 30000),
                              ("0", "/CN=Zero", 9), ("-256", "/CN=Minus", 1)):
    run("openssl", "req", "-x509", "-key", key, "-utf8", "-subj", subject, "-set_serial", serial,
        "-days", str(days), "-out", key + ".crt")
    run("cert-to-efi-sig-list", key + ".crt", key + ".esl")
    edges += open(key + ".esl", "rb").read()
pcs = {  # name: stores, and the verdict expected
    "updated": ({"PK": lists["WindowsOEMDevicesPK"], "KEK": old_kek + kek_2023,
                 "db": pca + uefi_2011 + windows_2023 + third_party_2023, "dbx": pca},
                (True, True, True, True, True, "updated")),
    "old-kek": ({"KEK": old_kek, "db": pca + uefi_2011 + windows_2023},
                (False, True, False, False, None, "not updated")),
    "secured-core": ({"KEK": old_kek + kek_2023, "db": pca + windows_2023, "dbx": b""},
                     (True, True, None, None, False, "updated")),
    "edges": ({"db": edges}, None),
}
for pc, (stores, expected) in pcs.items():
    os.mkdir(os.path.join(work, pc))
    for store, payload in stores.items():
        write(f"{pc}/{store}-{IMAGES if store.startswith('db') else GLOBAL}", b"\7\0\0\0" + payload)
    mine = ours("--efivars", os.path.join(work, pc))
    agree(pc, mine, stores)
    verdict = mine["ca_2023"] and tuple(mine["ca_2023"].values())
    if verdict != expected:
        failures.append(f"{pc}: verdict {verdict}, expected {expected}")

# Real efivarfs copies.
for folder in (os.path.join(data, "vmware-efivars"), os.path.join(data, "ovmf-efivars")):
    stores = {name.split("-")[0]: open(os.path.join(folder, name), "rb").read()[4:]
              for name in os.listdir(folder) if name.split("-")[0] in ("PK", "KEK", "db", "dbx")}
    agree(folder, ours("--efivars", folder), stores)

# Boot logs: the variables of their PCR 7 configuration events as tpm2_eventlog shows them.
for log in (os.path.join(data, "boot-log-arch-linux.bin"), os.path.join(data, "boot-log-ovmf.bin")):
    mine = ours("--boot-log", log)
    text = run("tpm2_eventlog", log)
    shown = dict(re.findall(r"PCRIndex: 7\n  EventType: EV_EFI_VARIABLE_DRIVER_CONFIG\n(?:  .*\n)*?"
                            r"    UnicodeName: (\w+)\n(?:    VariableData: \"([0-9a-f]*)\")?", text))
    # The boot authorities: certificates bare or after an owner's GUID (EFI_SIGNATURE_DATA).
    found = re.findall(r"_AUTHORITY\n(?:  .*\n)*?    VariableData: \"([0-9a-f]*)\"", text)
    signers = [certificate(write("signer", d[16 * (d[:2] != b"0\x82"):]))["subject"]
               for d in map(bytes.fromhex, found) if b"0\x82" in (d[:2], d[16:18])]
    if mine["boot_authorities"] != signers:
        failures.append(f"{log} authorities: {mine['boot_authorities']}, theirs {signers}")
    if sorted(shown) != ["KEK", "PK", "SecureBoot", "db", "dbx"]:
        failures.append(f"{log}: tpm2_eventlog shows {sorted(shown)}")
    if mine["enabled"] != {"": None, "00": False, "01": True}.get(shown.pop("SecureBoot", "?"), "?"):
        failures.append(f"{log} SecureBoot: {mine['enabled']}")
    agree(log, mine, {name: bytes.fromhex(payload) for name, payload in shown.items()})

print("".join(f"FAIL {failure}\n" for failure in failures) + f"{compared} facts compared, {len(failures)} disagree")
sys.exit(1 if failures or compared == 0 else 0)
