# Bash completion for vy-cmp: options until "--", file names everywhere.

_vy_cmp() {
    local current=${COMP_WORDS[COMP_CWORD]}
    local index
    for ((index = 1; index < COMP_CWORD; index++)); do
        case ${COMP_WORDS[index]} in
        --help | --version)
            COMPREPLY=()
            return
            ;;
        --)
            _vy_cmp_files "$current"
            return
            ;;
        esac
    done
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '-s --quiet --text --match-case --compress-blanks
            --color --color=auto --color=always --color=never --help --version --' -- "$current")
    else
        _vy_cmp_files "$current"
    fi
}

# File and folder names, blanks and all; readline marks folders with a slash.
_vy_cmp_files() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$1")
}

complete -F _vy_cmp vy-cmp
