#!/usr/bin/env bash
# The release command as a user runs it: a distribution with the packed
# pieces, setup.exe, the uninstaller and the files beside them; both
# programs read back with a PE parser; the size budget of both, signed and
# unsigned; unsigned said plainly; signed with a throwaway certificate, the
# signature verified, and refused against another one.
#   release-test.sh SOURCE_ROOT WORK_DIR VERSION BUILD_ROOT
# BUILD_ROOT is the build tree whose release folders the command uses (and
# builds where they are missing).
set -euo pipefail
root=$1
work=$2
version=$3
build_root=$4
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/release/product-folder.sh
source "$here/product-folder.sh"

rm -rf "$work/product" "$work/unsigned" "$work/signed" "$work/keys"
make_product "$work/product"
export SETUP_BUILD_DIR=$build_root
kqpack=$build_root/release/host/tools/kqpack

unset SETUP_SIGN_PFX SETUP_SIGN_PASSWORD
"$root/scripts/release.sh" --kq-version 7 --ch-version 161 "$work/product" "$work/unsigned" \
  | tee "$work/unsigned.log"
grep -q 'setup.exe and uninst.exe are NOT SIGNED' "$work/unsigned.log"

out=$work/unsigned
expected="KQSetup2.jpg agreement.txt ch0.cab ch1.cab ch2.cab kq0.cab kq1.cab kq2.cab kq3.cab\
 kq4.cab kq5.cab setup.exe setup.ini uninst.exe"
actual=$(cd "$out" && ls | LC_ALL=C sort | xargs)
[ "$actual" = "$expected" ] || { echo "distribution holds: $actual" >&2; exit 1; }
for file in agreement.txt setup.ini KQSetup2.jpg; do cmp "$work/product/$file" "$out/$file"; done
"$kqpack" verify kq -d "$out" | grep -q '^kq: ok, version 7, 6 pieces, 2 file(s)$'
"$kqpack" verify ch -d "$out" | grep -q '^ch: ok, version 161, 3 pieces, 2 file(s)$'
"$kqpack" list kq -d "$out" | tee "$work/kq.list"
grep -q ' 40000  kq.exe ' "$work/kq.list" && grep -q ' 7  readme.txt ' "$work/kq.list"
for program in setup.exe uninst.exe; do "$here/check-release-exe.py" "$out/$program" "$version"; done
"$here/check-release-size.py" "$out/setup.exe" "$out/uninst.exe"
if osslsigncode verify -in "$out/setup.exe" >/dev/null 2>&1; then
  echo "an unsigned setup.exe verified" >&2
  exit 1
fi

# A throwaway self-signed code-signing certificate, and another one that
# did not sign.
keys=$work/keys
mkdir -p "$keys"
for name in signer stranger; do
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quelmar Labs test $name" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$keys/$name.key" -out "$keys/$name.pem" \
    2>/dev/null
done
openssl pkcs12 -export -inkey "$keys/signer.key" -in "$keys/signer.pem" \
  -passout pass:'throw away' -out "$keys/signer.pfx"

SETUP_SIGN_PFX=$keys/signer.pfx SETUP_SIGN_PASSWORD='throw away' \
  "$root/scripts/release.sh" "$work/product" "$work/signed" | tee "$work/signed.log"
grep -q 'setup.exe and uninst.exe are signed with signer.pfx' "$work/signed.log"
for program in setup.exe uninst.exe; do
  osslsigncode verify -CAfile "$keys/signer.pem" -in "$work/signed/$program" | tee "$work/verify.log"
  grep -q 'Signature verification: ok' "$work/verify.log"
  if osslsigncode verify -CAfile "$keys/stranger.pem" -in "$work/signed/$program" >/dev/null 2>&1
  then
    echo "$program verified against a certificate that did not sign it" >&2
    exit 1
  fi
done
for program in setup.exe uninst.exe; do
  "$here/check-release-exe.py" "$work/signed/$program" "$version"
done
"$here/check-release-size.py" "$work/signed/setup.exe" "$work/signed/uninst.exe"

# A wrong password signs nothing.
rm -rf "$work/refused"
if SETUP_SIGN_PFX=$keys/signer.pfx SETUP_SIGN_PASSWORD=wrong \
  "$root/scripts/release.sh" "$work/product" "$work/refused" 2>"$work/refused.log"; then
  echo "a wrong password signed" >&2
  exit 1
fi
grep -q 'signing setup.exe failed' "$work/refused.log"
echo "release-test: passed"
