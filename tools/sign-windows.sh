#!/usr/bin/env bash
# Signs a Windows program or installer in place with osslsigncode (Authenticode, SHA-256),
# so Windows names its publisher. The Windows build runs it on passer-rating.exe and the
# MSI when it is configured with a certificate (PR_SIGNING_CERTIFICATE and
# PR_SIGNING_KEY, PEM files); without one nothing is signed.
# Usage: tools/sign-windows.sh FILE CERTIFICATE KEY DESCRIPTION
set -euo pipefail
usage="usage: sign-windows.sh FILE CERTIFICATE KEY DESCRIPTION"
file=${1:?$usage}
certificate=${2:?$usage}
key=${3:?$usage}
description=${4:?$usage}
osslsigncode sign -certs "$certificate" -key "$key" -h sha256 -n "$description" \
    -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
