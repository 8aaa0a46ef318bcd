# Small INI helpers for the scripts, sourced by bash. They read and write settings files the
# way the program does: section and key names match without regard to case, values are
# trimmed, a write changes one line in place (or adds the key at the end of its section, or
# the section at the end of the file) and keeps every other line as it was, CR LF included.
# Only awk, which every machine has.

# Prints "KEY=value" for each key of SECTION, key names in capitals, first occurrence first.
ini_entries() {  # FILE SECTION
    [[ -f $1 ]] || return 0
    INI_SECTION=$2 awk '
        function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
        BEGIN { section = ENVIRON["INI_SECTION"] }
        {
            line = $0
            sub(/\r$/, "", line)
            t = trim(line)
            if (t ~ /^\[/ && index(t, "]") > 0) {
                inside = tolower(trim(substr(t, 2, index(t, "]") - 2))) == tolower(section)
                next
            }
            if (!inside || t == "" || t ~ /^;/ || index(line, "=") == 0) next
            eq = index(line, "=")
            print toupper(trim(substr(line, 1, eq - 1))) "=" trim(substr(line, eq + 1))
        }' "$1"
}

# Sets KEY=VALUE in SECTION of FILE, creating the file or the section when needed.
ini_set() {  # FILE SECTION KEY VALUE
    local file=$1 temp
    temp=$(mktemp "$file.XXXXXX") || return 1
    [[ -f $file ]] || : >"$file"
    # Through the environment: awk -v would turn backslashes in a value into escapes.
    if ! INI_SECTION=$2 INI_KEY=$3 INI_VALUE=$4 awk '
        function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
        function is_section(t) { return t ~ /^\[/ && index(t, "]") > 0 }
        function section_of(t) { return tolower(trim(substr(t, 2, index(t, "]") - 2))) }
        BEGIN { section = ENVIRON["INI_SECTION"]; key = ENVIRON["INI_KEY"]; value = ENVIRON["INI_VALUE"] }
        {
            raw[NR] = $0
            line = $0
            if (sub(/\r$/, "", line)) crlf = 1
            text[NR] = trim(line)
            plain[NR] = line
        }
        END {
            eol = crlf ? "\r" : ""
            entry = key "=" value eol
            header = 0
            for (i = 1; i <= NR && !header; i++)
                if (is_section(text[i]) && section_of(text[i]) == tolower(section)) header = i
            if (!header) {
                for (i = 1; i <= NR; i++) print raw[i]
                print "[" section "]" eol
                print entry
                exit
            }
            at = header
            replace = 0
            for (i = header + 1; i <= NR && !is_section(text[i]); i++) {
                eq = index(plain[i], "=")
                if (text[i] !~ /^;/ && eq > 0 && tolower(trim(substr(plain[i], 1, eq - 1))) == tolower(key)) {
                    replace = i
                    break
                }
                if (text[i] != "") at = i
            }
            for (i = 1; i <= NR; i++) {
                if (i == replace) print entry; else print raw[i]
                if (!replace && i == at) print entry
            }
        }' "$file" >"$temp"; then
        rm -f "$temp"
        return 1
    fi
    chmod --reference="$file" "$temp" 2>/dev/null || chmod 644 "$temp"
    mv -f "$temp" "$file"
}

# The COM number for a pseudo-terminal in section "ports": the entry that already names it,
# else an entry whose /dev/pts device is gone, else the first of 99, 98, ... not in use.
ini_port_for_pty() {  # FILE PTY
    local -A listed=()
    local entry n
    while IFS= read -r entry; do
        [[ $entry =~ ^COM([1-9][0-9]*)=(.+)$ ]] || continue  # an empty value names no device
        n=${BASH_REMATCH[1]}
        [[ -v "listed[$n]" ]] || listed[$n]=${BASH_REMATCH[2]}
    done < <(ini_entries "$1" ports)
    # The program takes the lowest number that names a device, so look from 1 up.
    for n in $(seq 1 256); do
        [[ ${listed[$n]-} == "$2" ]] && { echo "$n"; return 0; }
    done
    for ((n = 99; n >= 1; n--)); do
        [[ ${listed[$n]-} == /dev/pts/* && ! -e ${listed[$n]} ]] && { echo "$n"; return 0; }
    done
    for ((n = 99; n >= 1; n--)); do
        [[ -v "listed[$n]" ]] || { echo "$n"; return 0; }
    done
    return 1
}

# Enters PTY in section "ports" under the number ini_port_for_pty finds, makes that number
# "comPort" in section "language", and prints it.
ini_enter_pty() {  # FILE PTY
    local n
    n=$(ini_port_for_pty "$1" "$2") || return 1
    ini_set "$1" ports "COM$n" "$2" && ini_set "$1" language comPort "$n" && echo "$n"
}
