#!/usr/bin/env bash
# The udev rule as udev itself reads it: "udevadm test" over a folder that
# holds only this rule (bound over /etc/udev/rules.d in a mount namespace of
# its own, so the machine's rules stay as they are) reports no line of it.
# A broken copy of the rule shows that the check sees what udev refuses.
# Needs udevadm and root (unshare, mount); skipped (77) without them.
# usage: udev_rule_test.sh RULE_FILE
set -euo pipefail
rule=$1
name=$(basename "$rule")
if ! command -v udevadm >/dev/null || ! command -v unshare >/dev/null || [ "$(id -u)" -ne 0 ] \
  || [ ! -d /etc/udev/rules.d ] || [ ! -e /sys/class/tty/ptmx ]; then
  echo "udev_rule_test: skipped (needs udevadm, unshare, root and /etc/udev/rules.d)"
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/good" "$scratch/bad"
cp "$rule" "$scratch/good/$name"
sed 's/TAG+="uaccess"/TAG+="uaccess/; s/ATTRS{idVendor}=="0403"/ATTRS{idVendor}="0403"/' "$rule" >"$scratch/bad/$name"

complaints() {
  unshare -m sh -c "mount --bind '$1' /etc/udev/rules.d && udevadm test --action=add /sys/class/tty/ptmx" 2>&1 \
    | grep "rules.d/$name:" || true
}
read_lines=$(unshare -m sh -c "mount --bind '$scratch/good' /etc/udev/rules.d && udevadm test --action=add /sys/class/tty/ptmx" 2>&1 \
  | grep -c "Reading rules file: /etc/udev/rules.d/$name" || true)
if [ "$read_lines" -ne 1 ]; then
  echo "FAIL: udevadm did not read the rule"
  exit 1
fi
good=$(complaints "$scratch/good")
bad=$(complaints "$scratch/bad")
if [ -n "$good" ]; then
  echo "FAIL: udevadm complains about $name:"
  echo "$good"
  exit 1
fi
if [ "$(echo "$bad" | grep -c .)" -lt 2 ]; then
  echo "FAIL: udevadm did not see the broken copy's two faults:"
  echo "$bad"
  exit 1
fi
echo "udev rule: udevadm reads $name without a complaint"
