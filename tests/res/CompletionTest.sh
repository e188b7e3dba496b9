#!/usr/bin/env bash
# Checks the bash completion of vy-cmp: options until "--", then files; nothing after --help.
# Usage: CompletionTest.sh path/to/vy-cmp.bash
set -uo pipefail
export LC_ALL=C

# shellcheck source=/dev/null
source "$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
touch 'two words.txt' b.bin -- -starts-with-hyphen
mkdir docs

failures=0
# expect "WORDS..." "REPLIES..." : completes the last word and compares the sorted replies.
expect() {
    local -a words
    read -r -a words <<<"$1"
    [[ $1 == *' ' ]] && words+=('')
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMPREPLY=()
    _vy_cmp
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd '|')
    if [[ $got != "$2" ]]; then
        echo "after '$1': got '$got', expected '$2'" >&2
        failures=$((failures + 1))
    fi
}

expect 'vy-cmp --te' '--text'
expect 'vy-cmp --co' '--color|--color=always|--color=auto|--color=never|--compress-blanks'
expect 'vy-cmp -' '--|--color|--color=always|--color=auto|--color=never|--compress-blanks|--help|--match-case|--quiet|--text|--version|-s'
expect 'vy-cmp ' '-starts-with-hyphen|b.bin|docs|two words.txt'
expect 'vy-cmp tw' 'two words.txt'
expect 'vy-cmp b.bin --m' '--match-case'
expect 'vy-cmp -s --text d' 'docs'
expect 'vy-cmp -- -' '-starts-with-hyphen'
expect 'vy-cmp --help ' ''
expect 'vy-cmp --version -' ''
[[ $(complete -p vy-cmp) == 'complete -F _vy_cmp vy-cmp' ]] || {
    echo "vy-cmp is not bound to its completion" >&2
    failures=$((failures + 1))
}
exit $((failures > 0))
