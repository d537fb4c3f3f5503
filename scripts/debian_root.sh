# Sourced by the scripts that work in a Debian root of their own
# (test_in_debian_root, windows_root). The caller sets `root`.

# Mounts the kernel's file systems into the root; unmount_root undoes it.
mounted=()
mount_systems() {
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  local point
  for point in sys dev; do
    mount --rbind "/$point" "$root/$point" && mounted+=("$root/$point")
    mount --make-rslave "$root/$point"
  done
}

# bind FOLDER PLACE: the host's folder seen at PLACE inside the root.
bind() {
  mkdir -p "$1" "$root$2"
  mount --bind "$1" "$root$2" && mounted+=("$root$2")
}

# Ends what still runs inside the root (a session bus, say), then unmounts
# everything, the last mount first.
unmount_root() {
  local link i
  for link in /proc/[0-9]*/root; do
    [[ $(readlink "$link" 2>/dev/null) == "$root" ]] && kill -9 "${link//[^0-9]/}" 2>/dev/null
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || true
  done
}

# The host's name service, and no service started by a package installed inside.
prepare_root() {
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod +x "$root/usr/sbin/policy-rc.d"
}
