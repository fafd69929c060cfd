"""Prints the start-up figures of a hyperfine JSON export: editor against the
minimal Qt window, and their ratio."""
import json
import sys

results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
editor, minimal = results["editor"], results["minimal Qt window"]
for name, r in (("editor", editor), ("minimal Qt window", minimal)):
    print(f"{name:18} {r['mean'] * 1000:7.1f} ms mean, {r['median'] * 1000:.1f} ms median, "
          f"sd {r['stddev'] * 1000:.1f} ms")
print(f"{'ratio (median)':18} {editor['median'] / minimal['median']:7.2f}")
