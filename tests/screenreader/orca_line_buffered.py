#!/usr/bin/python3
"""Run /usr/bin/orca with its --debug-file opened line-buffered.

Orca opens the debug file block-buffered, so a test reading the spoken
phrases from it would see them only when Orca exits. The launcher script is
run in a namespace whose own open() gives that one file line buffering.
The check for other running Orca instances is switched off too, so that two
test runs in separate private sessions can overlap.

Usage: orca_line_buffered.py --debug-file FILE [other orca options]
"""
import builtins
import sys

ORCA = "/usr/bin/orca"


def main():
    debug_file = None
    args = sys.argv[1:]
    for i, arg in enumerate(args):
        if arg == "--debug-file" and i + 1 < len(args):
            debug_file = args[i + 1]
        elif arg.startswith("--debug-file="):
            debug_file = arg.split("=", 1)[1]

    def line_buffered_open(name, mode="r", *rest, **kwargs):
        if debug_file is not None and name == debug_file and "w" in mode:
            return builtins.open(name, mode, 1, encoding="utf-8",
                                 errors="replace")
        return builtins.open(name, mode, *rest, **kwargs)

    with builtins.open(ORCA, encoding="utf-8") as f:
        code = compile(f.read(), ORCA, "exec")
    sys.argv = [ORCA] + args
    namespace = {"__name__": "orca_launcher", "__file__": ORCA,
                 "open": line_buffered_open}
    exec(code, namespace)
    # Each run has its own display and buses; another Orca is no conflict.
    namespace["otherOrcas"] = lambda: []
    sys.exit(namespace["main"]())


if __name__ == "__main__":
    main()
