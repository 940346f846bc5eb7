#!/usr/bin/env bash
# Runs scripts/install-deps with stub dpkg-query, apt-get, sudo and id first on PATH.
# STUB_MISSING names the packages the stub dpkg-query has never heard of (it then fails, as the real one does);
# STUB_UID is what id -u says. Every apt-get and sudo call is logged.
set -uo pipefail
script=$1
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
log=$stubs/calls.log

cat >"$stubs/dpkg-query" <<'STUB'
#!/usr/bin/env bash
shift 2 # -W -f=FORMAT
rc=0
for p in "$@"; do
  if [[ " $STUB_MISSING " == *" $p "* ]]; then
    echo "dpkg-query: no packages found matching $p" >&2; rc=1
  else
    echo "$p install ok installed"
  fi
done
exit $rc
STUB
cat >"$stubs/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB_LOG"
STUB
cat >"$stubs/sudo" <<'STUB'
#!/usr/bin/env bash
echo "sudo $1" >>"$STUB_LOG"
exec "$@"
STUB
cat >"$stubs/id" <<'STUB'
#!/usr/bin/env bash
echo "$STUB_UID"
STUB
chmod +x "$stubs"/*

passed=0 failed=0
check() { # name, condition result
  if [ "$2" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $1"; fi
}
run() { # missing uid -> sets out, rc
  : >"$log"
  out=$(PATH="$stubs:$PATH" STUB_MISSING="$1" STUB_UID="$2" STUB_LOG="$log" bash "$script" 2>&1)
  rc=$?
}

run "" 0
[ $rc -eq 0 ] && [ -z "$out" ] && [ ! -s "$log" ] && r=ok || r=bad
check "nothing missing: exits 0 silently and calls nothing (rc=$rc, out='$out')" $r

run "qt6-base-dev libgtest-dev" 0
installs=$(grep -c '^apt-get install' "$log")
line=$(grep '^apt-get install' "$log")
[ $rc -eq 0 ] && [ "$installs" -eq 1 ] && ! grep -q '^sudo' "$log" && r=ok || r=bad
check "two missing: one apt-get install naming exactly those two (rc=$rc, log: $(tr '\n' '|' <"$log"))" $r
words=$(tr ' ' '\n' <<<"${line#apt-get install }" | grep -v '^-' | sort | tr '\n' ' ')
[ "$words" = "libgtest-dev qt6-base-dev " ] && r=ok || r=bad
check "two missing: no other package is named ($words)" $r

run "cmake" 1000
[ $rc -eq 0 ] && grep -q '^sudo apt-get' "$log" && [ "$(grep -c '^sudo' "$log")" -eq "$(grep -c '^apt-get' "$log")" ] && r=ok || r=bad
check "not root: every apt-get call goes through sudo (log: $(tr '\n' '|' <"$log"))" $r

run "clang" 0
[ $rc -eq 0 ] && [ ! -s "$log" ] && r=ok || r=bad
check "the fuzz compiler is not needed for make test" $r

run "" 0
out=$(PATH="$stubs:$PATH" STUB_MISSING="" STUB_UID=0 STUB_LOG="$log" bash "$script" nonsense 2>&1)
[ $? -eq 2 ] && [[ "$out" == *"unknown package set 'nonsense'"* ]] && r=ok || r=bad
check "an unknown package set is refused" $r

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
