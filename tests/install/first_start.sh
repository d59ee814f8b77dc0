# Sourced by the install tests. first_start SETTINGS COMMAND...: starts the program
# by COMMAND, waits until SETTINGS holds its first settings (the load writes every
# key), then ends it. $pid names the running program meanwhile, for the caller's trap.
first_start() {
    local settings=$1
    shift
    "$@" > /dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        grep -q "CurrentLanguage=English" "$settings" 2> /dev/null && break
        sleep 0.1
    done
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    pid=
}
