#!/bin/bash
# `make test-native` with the whole suite held to 150 s (it takes 30 to 60 s): a judge for
# ../shared/mutate.py --judge, so that a fault which makes every search run away fails at once
# instead of waiting out each test's own limit. The suite runs in its own process group,
# which is ended when the time is up.
set -m
make --no-print-directory test-native &
pid=$!
for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; exit $?; }
    sleep 1
done
kill -- -"$pid"
exit 1
