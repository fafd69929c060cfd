# Small exFAT volumes for the tests of a full volume, sourced by the test
# stages: each an image file on a loop device of its own (losetup -f),
# mounted through FUSE (exfat-fuse) at a folder. Needs root, /dev/fuse and
# exfatprogs; where any is missing, no volume is made and the tests that
# want one skip.
#
#   exfat_volume_up FOLDER CLUSTER_BYTES   makes FOLDER/root, a 4 MiB volume;
#                                          status 1 when it cannot
#   exfat_volumes_down                     unmounts and frees every one made

exfat_volume_devices=()
exfat_volume_roots=()

exfat_volume_up() {
    local folder=$1 cluster=$2 device
    [ "$(id -u)" -eq 0 ] && [ -e /dev/fuse ] || return 1
    command -v mkfs.exfat mount.exfat-fuse losetup >/dev/null || return 1
    mkdir -p "$folder/root"
    truncate -s 4M "$folder/exfat.img"
    mkfs.exfat -c "$cluster" -b "$cluster" "$folder/exfat.img" >/dev/null 2>&1 || return 1
    device=$(losetup -f --show "$folder/exfat.img" 2>/dev/null) || return 1
    exfat_volume_devices+=("$device")
    mount.exfat-fuse "$device" "$folder/root" >/dev/null 2>&1 || return 1
    exfat_volume_roots+=("$folder/root")
}

exfat_volumes_down() {
    local root device
    for root in "${exfat_volume_roots[@]}"; do umount "$root" 2>/dev/null || true; done
    for device in "${exfat_volume_devices[@]}"; do losetup -d "$device" 2>/dev/null || true; done
    exfat_volume_roots=()
    exfat_volume_devices=()
}
