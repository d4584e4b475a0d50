#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo database on first use and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
# The demo database is made only where the alias points at a folder without a database.
database_file=$(build/tools/nfadmin/nfadmin where nota_fiscal | sed -n 2p)
[ -f "$database_file" ] || build/tools/nfadmin/nfadmin init --demo nota_fiscal
exec build/app/notafiscal
