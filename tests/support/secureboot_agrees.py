#!/usr/bin/env python3
"""Holds Romprobe's reading of Secure Boot data against independent readers.

Every certificate's subject and issuer CN, serial and dates must agree with `openssl x509`,
every store's entries (kind, owner, certificate or hash, in order) with `sig-list-to-certs`,
and the PK, KEK, db, dbx and SecureBoot that a boot log holds with `tpm2_eventlog`. The stores
are the real ones beside this data and three PCs built with `cert-to-efi-sig-list` from
Microsoft's certificates, whose verdict on the 2023 certificates is checked too.
usage: secureboot_agrees.py SECUREBOOT_VIEW DATA_DIR
"""
import json, os, re, subprocess, sys, tempfile

view, data = sys.argv[1], sys.argv[2]
work = tempfile.mkdtemp()
failures, compared = [], 0


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def ours(*arguments):
    return json.loads(run(view, *arguments))


def certificate(path):  # openssl's view of a DER certificate, in the JSON's terms
    text = run("openssl", "x509", "-inform", "der", "-in", path, "-noout", "-subject", "-issuer",
               "-serial", "-dates", "-nameopt", "RFC2253,-esc_msb", "-dateopt", "iso_8601")
    fields = dict(line.split("=", 1) for line in text.splitlines())
    def cn(name):
        m = re.search(r"(?:^|,)CN=((?:\\.|[^,])*)", name)
        return re.sub(r"\\(.)", r"\1", m[1]) if m else None
    return {"type": "x509", "subject": cn(fields["subject"]), "issuer": cn(fields["issuer"]),
            "serial": fields["serial"].lower(), "not_before": fields["notBefore"][:10],
            "not_after": fields["notAfter"][:10], "hash": None}


def entries(store):  # sig-list-to-certs' view of a signature list, entry by entry
    out = run("sig-list-to-certs", store, os.path.join(work, "entry"))
    result = []
    for kind, path, owner in re.findall(r"(\w+) Header.*\nfile (\S+): Guid (\S+)", out):
        path = os.path.join(os.path.dirname(store) or ".", os.path.basename(path))
        if kind == "X509":
            entry = certificate(path)
        else:
            entry = {"type": "sha256" if kind == "SHA256" else "other"}
            if kind == "SHA256":
                entry["hash"] = open(path, "rb").read().hex()
        entry["owner"] = owner
        result.append(entry)
    return result


def agree(what, mine, store):
    global compared
    theirs = entries(store)
    if len(mine or []) != len(theirs):
        failures.append(f"{what}: {len(mine or [])} entries, sig-list-to-certs {len(theirs)}")
    for i, (a, b) in enumerate(zip(mine or [], theirs)):
        for key, value in b.items():
            compared += 1
            if a[key] != value:
                failures.append(f"{what} entry {i} {key}: {a[key]!r}, theirs {value!r}")


def write(name, payload):
    path = os.path.join(work, name)
    open(path, "wb").write(payload)
    return path


# Three PCs made of Microsoft's certificates, one signature list per certificate.
lists = {}
for name in sorted(os.listdir(os.path.join(data, "certs"))):
    pem = os.path.join(work, name + ".pem")
    run("openssl", "x509", "-inform", "der", "-in", os.path.join(data, "certs", name), "-out", pem)
    run("cert-to-efi-sig-list", "-g", "77fa9abd-0359-4d32-bd60-28f4e78f784b", pem, pem + ".esl")
    lists[name.split("_")[0].split(".")[0]] = open(pem + ".esl", "rb").read()
old_kek, kek_2023 = lists["MicCorKEKCA2011"], lists["microsoft-corporation-kek-2k-ca-2023"]
pca, uefi_2011 = lists["MicWinProPCA2011"], lists["MicCorUEFCA2011"]
windows_2023 = lists["windows-uefi-ca-2023"]
third_party_2023 = lists["microsoft-uefi-ca-2023"] + lists["microsoft-option-rom-uefi-ca-2023"]
# Certificates at the edges of what openssl prints: serials negative, padded and zero, names in
# UTF-8 or without a CN, validity past 2049 (GeneralizedTime).
key, edges = os.path.join(work, "key.pem"), b""
run("openssl", "genpkey", "-algorithm", "EC", "-pkeyopt", "ec_paramgen_curve:P-256", "-out", key)
for serial, subject, days in (("-129", "/CN=Größe €", 1), ("0x80ff", "/O=No CN", 30000),
                              ("0", "/CN=Zero", 9), ("-256", "/CN=Minus", 1)):
    pem = os.path.join(work, "edge.pem")
    run("openssl", "req", "-x509", "-key", key, "-utf8", "-subj", subject,
        "-set_serial", serial, "-days", str(days), "-out", pem)
    run("cert-to-efi-sig-list", pem, pem + ".esl")
    edges += open(pem + ".esl", "rb").read()
pcs = {  # name: stores, and the verdict expected
    "updated": ({"pk": lists["WindowsOEMDevicesPK"], "kek": old_kek + kek_2023,
                 "db": pca + uefi_2011 + windows_2023 + third_party_2023, "dbx": pca},
                (True, True, True, True, True, "updated")),
    "old-kek": ({"kek": old_kek, "db": pca + uefi_2011 + windows_2023},
                (False, True, False, False, None, "not updated")),
    "secured-core": ({"kek": old_kek + kek_2023, "db": pca + windows_2023, "dbx": b""},
                     (True, True, None, None, False, "updated")),
    "edges": ({"db": edges}, None),
}
keys = ("kek_2k_ca_2023", "windows_uefi_ca_2023", "microsoft_uefi_ca_2023",
        "option_rom_uefi_ca_2023", "pca_2011_revoked", "status")
for pc, (stores, expected) in pcs.items():
    paths = {store: write(f"{pc}-{store}.esl", payload) for store, payload in stores.items()}
    mine = ours(*(f"{store}={path}" for store, path in paths.items()))
    for store, path in paths.items():
        agree(f"{pc} {store}", mine[store], path)
    verdict = mine["ca_2023"] and tuple(mine["ca_2023"][key] for key in keys)
    if verdict != expected:
        failures.append(f"{pc}: verdict {verdict}, expected {expected}")

# A VMware virtual machine's efivarfs copy.
folder = os.path.join(data, "vmware-efivars")
mine = ours("--efivars", folder)
for store, file in (("pk", "PK-8be4df61"), ("kek", "KEK-8be4df61"), ("db", "db-d719b2cb")):
    name = next(n for n in os.listdir(folder) if n.startswith(file))
    agree(f"efivars {store}", mine[store], write(name, open(os.path.join(folder, name), "rb").read()[4:]))

# A boot log: the variables of its PCR 7 configuration events as tpm2_eventlog shows them.
log = os.path.join(data, "boot-log-arch-linux.bin")
mine = ours("--boot-log", log)
shown = re.findall(r"PCRIndex: 7\n  EventType: EV_EFI_VARIABLE_DRIVER_CONFIG\n(?:  .*\n)*?"
                   r"    UnicodeName: (\w+)\n(?:    VariableData: \"([0-9a-f]*)\")?",
                   run("tpm2_eventlog", log))
if sorted(name for name, _ in shown) != ["KEK", "PK", "SecureBoot", "db", "dbx"]:
    failures.append(f"boot log: tpm2_eventlog shows {[name for name, _ in shown]}")
for name, payload in shown:
    if name == "SecureBoot":
        compared += 1
        if mine["enabled"] != (None if payload == "" else payload == "01"):
            failures.append(f"boot log SecureBoot: {mine['enabled']}, theirs {payload!r}")
    else:
        agree(f"boot log {name}", mine[name.lower()], write(f"log-{name}.esl", bytes.fromhex(payload)))

for failure in failures:
    print("FAIL", failure)
print(f"{compared} facts compared, {len(failures)} disagree")
sys.exit(1 if failures or compared == 0 else 0)
