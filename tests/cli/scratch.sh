# Sourced by the CLI tests: strict mode, the program as $cli, and a scratch folder as the current
# one, removed at the end.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
