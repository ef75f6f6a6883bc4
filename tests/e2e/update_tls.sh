#!/usr/bin/env bash
# The web update over HTTPS against a loopback server: with a certificate from a test
# authority that this prefix trusts (added to the prefix's root store by trust_root.exe,
# never to the machine's), the whole update runs over TLS; the same server with a
# certificate from an authority nobody trusts is refused with the failure page, and
# nothing is downloaded.
set -u
EXE="${1:?usage: update_tls.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

WIZ=(--window 'Kefeló frissítése*')
TRUST="$(dirname "$EXE")/trust_root.exe"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
SERVED=$(mktemp -d)
servers=()
cleanup() {
    if [ -f "$SERVED/pki/ca.der" ]; then
        wine "$TRUST" /remove "$(winepath -w "$SERVED/pki/ca.der")" >/dev/null 2>&1
        stop_wine
    fi
    for s in "${servers[@]}"; do kill "$s" 2>/dev/null; done
    rm -rf "$SERVED"
}
trap cleanup EXIT
must "openssl is installed" eval "command -v openssl >/dev/null"
must "trust_root.exe was built" test -f "$TRUST"

# The test authority, a server certificate it signed, and one signed by a stranger. Wine
# checks the name against the certificate's DNS names, so the server is "localhost".
PKI="$SERVED/pki"
mkdir -p "$PKI"
authority() {
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$PKI/$1.key" -out "$PKI/$1.pem" -days 2 \
        -subj "/CN=Kefelo test authority $1" -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
}
server_cert() {
    openssl req -newkey rsa:2048 -nodes -keyout "$PKI/$1.key" -out "$PKI/$1.csr" -subj "/CN=localhost" 2>/dev/null &&
        openssl x509 -req -in "$PKI/$1.csr" -CA "$PKI/$2.pem" -CAkey "$PKI/$2.key" -CAcreateserial \
            -out "$PKI/$1.pem" -days 2 -extfile "$PKI/ext.cnf" 2>/dev/null
}
printf '%s\n' 'subjectAltName=DNS:localhost' 'basicConstraints=CA:FALSE' \
    'keyUsage=critical,digitalSignature,keyEncipherment' 'extendedKeyUsage=serverAuth' >"$PKI/ext.cnf"
must "the certificates are made" eval 'authority ca && authority stranger && server_cert trusted ca &&
    server_cert untrusted stranger && openssl x509 -in "$PKI/ca.pem" -outform DER -out "$PKI/ca.der"'
must "the test authority goes into the prefix's root store" wine "$TRUST" "$(winepath -w "$PKI/ca.der")"

# One server per certificate, each with its own files and request log.
NEW_EXE="$SERVED/new.exe"
cp "$EXE" "$NEW_EXE"
printf 'NEW BUILD' >>"$NEW_EXE"
for side in trusted untrusted; do
    mkdir -p "$SERVED/$side/good"
    python3 - "$SERVED/$side/good" "$NEW_EXE" <<'PY'
import hashlib, os, sys, zipfile
folder, new_exe = sys.argv[1], sys.argv[2]
archive = os.path.join(folder, "new.zip")
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
    z.write(new_exe, "new.exe")
data = open(archive, "rb").read()
open(os.path.join(folder, "update.txt"), "w", newline="").write(
    "2147483647\r\n%d\r\n%s\r\n" % (len(data), hashlib.sha256(data).hexdigest()))
PY
    python3 "$E2E_DIR/tools/update_server.py" --root "$SERVED/$side" --port-file "$SERVED/$side.port" \
        --cert "$PKI/$side.pem" --key "$PKI/$side.key" &
    servers+=($!)
    must "the $side server listens" wait_for 10 test -s "$SERVED/$side.port"
done

PROG=$(fresh_program_dir "Kefeló TLS" "$EXE")
write_settings "$PROG/beallitasok.cfg" viewAlerts=0
ORIGINAL="$SERVED/original.exe"
cp "$PROG/kefelo.exe" "$ORIGINAL"
update_run() {
    KEFELO_UPDATE_SERVER="https://localhost:$(cat "$SERVED/$1.port")/good" start_program "$2" /updaterun
}

# --- a certificate from an authority nobody trusts: refused before anything is asked ---
update_run untrusted update_tls_untrusted.wine.log
must "untrusted: the failed page appears" drv wait "${WIZ[@]}" --id 3122 --timeout 60000
expect "untrusted: the failed caption" "$(drv get-text "${WIZ[@]}")" "Kefeló frissítése  -  a letöltés meghiúsult!"
shot update_tls_refused
check "untrusted: no request got through" test ! -s "$SERVED/untrusted/requests.log"
check "untrusted: nothing downloaded" eval '[ -z "$(ls -A "$PROG" | grep -i "^new\.\|^update\.")" ]'
check "untrusted: the old program untouched" cmp -s "$PROG/kefelo.exe" "$ORIGINAL"
drv click "${WIZ[@]}" --id 3122
check "untrusted: the main window follows" wait_main_window
check "untrusted: the program ends when closed" close_program
stop_wine

# --- the test authority's certificate: the whole update over TLS ---
update_run trusted update_tls_trusted.wine.log
must "trusted: step 2 appears" drv wait "${WIZ[@]}" --id 3113 --timeout 60000
expect "trusted: step 2's caption" "$(drv get-text "${WIZ[@]}")" "Kefeló frissítése  -  2. lépés"
drv click "${WIZ[@]}" --id 3113
must "trusted: the downloaded page appears" drv wait "${WIZ[@]}" --id 3115 --timeout 60000
check "trusted: both files came over TLS" eval 'grep -q "/good/update/kefelo/update.txt" "$SERVED/trusted/requests.log" &&
    grep -q "/good/update/kefelo/new.zip" "$SERVED/trusted/requests.log"'
shot update_tls_downloaded
drv click "${WIZ[@]}" --id 3115
check "trusted: the old program ends" wait_for 20 process_ended
check "trusted: update.bat replaces kefelo.exe" wait_for 30 cmp -s "$PROG/kefelo.exe" "$NEW_EXE"
must "trusted: the new copy starts and tells" drv wait --window 'Információ*' --timeout 60000
box=$(drv message-box --window 'Információ*' --press OK)
check "trusted: it says it was updated" grep -qF "Az Ön Kefeló példánya frissítve lett!" <<<"$box"
check "trusted: the new copy's main window" wait_main_window
drv close "${MAIN[@]}"
finish
