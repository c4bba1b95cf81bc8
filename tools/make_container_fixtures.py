#!/usr/bin/python3
"""Writes the golden container files of tests/fixtures/container/ with fixed salts.

An independent computation of the container format (Debian's python3-cryptography and
hashlib), used to check that Talvero's reader and writer agree with the published
algorithms. Run it by hand; its output is committed.
"""
import hashlib
import hmac
import os
import sys

from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes


def container(plain: bytes, password: bytes, salt: bytes) -> bytes:
    key_len = {8: 16, 12: 24, 16: 32}[len(salt)]
    derived = hashlib.pbkdf2_hmac("sha1", password[:128], salt, 1000, 2 * key_len + 2)
    aes_key, mac_key, check = derived[:key_len], derived[key_len:2 * key_len], derived[-2:]
    ecb = Cipher(algorithms.AES(aes_key), modes.ECB()).encryptor()
    out = bytearray()
    for block in range(0, len(plain), 16):
        counter = (block // 16 + 1).to_bytes(8, "little") + bytes(8)
        stream = ecb.update(counter)
        out += bytes(a ^ b for a, b in zip(plain[block:block + 16], stream))
    code = hmac.new(mac_key, bytes(out), hashlib.sha1).digest()[:10]
    return salt + check + bytes(out) + code


def main() -> None:
    folder = sys.argv[1] if len(sys.argv) > 1 else "tests/fixtures/container"
    os.makedirs(folder, exist_ok=True)
    key1 = b"qoRt73#&"
    cases = {
        "empty.DAT1": (b"", key1, bytes(range(8))),
        "j.DAT1": (b"j\r\n", key1, b"\x10\x32\x54\x76\x98\xba\xdc\xfe"),
        "laenge.DAT1": (
            "j\tn\t\t1\tSI-Einheit\t1\tm\tMeter\t1\tMetre\tmetre\tSI\t1 m\t1\tParis\tn\t\tn\t\r\n"
            "j\tn\t\t1\tGroßbritannien\t1\tft\tFuß\t0,3048\t\tfoot\t\t1 ft = 0,3048 m\t\t\tn\t\tn\t\r\n"
            .encode("cp1252"),
            key1, b"\xa5\x5a\x00\xff\x01\xfe\x7f\x80"),
        "mode3.bin": (b"Talvero AES-256 mode\r\n", b"another password", bytes(range(100, 116))),
    }
    for name, (plain, password, salt) in cases.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(container(plain, password, salt))


if __name__ == "__main__":
    main()
