#!/usr/bin/env python3
"""Questions about the fixture server's request log, for the e2e tests.

    serverlog.py LOG requests METHOD PATH [HOST]   how many such requests
    serverlog.py LOG beacons KEY=VALUE ...         how many page beacons with all these pairs
    serverlog.py LOG last KEY KEY=VALUE ...        KEY of the last such beacon
    serverlog.py LOG files                         "name sha256" of each uploaded file
"""
import json
import sys


def entries(log):
    with open(log, encoding="utf-8") as f:
        for line in f:
            if not line.endswith("\n"):
                break  # still being written
            yield json.loads(line)


def beacons(log, pairs):
    want = dict(pair.split("=", 1) for pair in pairs)
    return [e for e in entries(log)
            if e["path"] == "/clothing/beacon" and all(e["query"].get(k) == v for k, v in want.items())]


def main(log, question, *args):
    if question == "requests":
        method, path, host = (list(args) + [None])[:3]
        print(sum(1 for e in entries(log)
                  if e["method"] == method and e["path"] == path and (host is None or e["host"] == host)))
    elif question == "beacons":
        print(len(beacons(log, args)))
    elif question == "last":
        found = beacons(log, args[1:])
        print(found[-1]["query"].get(args[0], "") if found else "")
    elif question == "files":
        for e in entries(log):
            if e["method"] == "FILE":
                print(e["query"]["name"], e["query"]["sha256"])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(*sys.argv[1:])
