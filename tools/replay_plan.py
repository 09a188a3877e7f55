#!/usr/bin/env python3
"""Turns a stage's plan into a replay by playing it in the real game.

usage: tools/replay_plan.py TREE STAGE FILE.inp [-v] [--show]

TREE is a runtime tree holding the current stage files (build data_files);
-v prints where each plan line leaves the player, --show where the replay
ends.

The plan is kept in FILE.inp itself, as comment lines starting with '#>'.
Each plan line is played closed-loop with vexhop-replay (the game decides
when the player has reached a column or landed), and the input lines it
needed are written under it. Rerun it after the game's rules change.

Plan lines (C is a column, fractions allowed: 4.5 is half-way to column 5):
  to C               walk until the player's centre is over column C
  jump [R|L] [C]     jump, steering that way (until over column C, if given),
                     and wait for the landing
  hop [R|L] C        like jump, but only until over column C (then, say, fall)
  spring [R|L] [C] [after N]
                     wait for a spring's launch (and N steps more), then as fall
  fall [R|L] [C]     like jump, without the jump button (walk off an edge)
  build [R|L][D]     turn that way if given, build ahead (D: ahead and below)
  wait N             stand still for N steps
  until N            stand still until step N
  hold KEYS N        hold KEYS (as in the input format) for N steps
"""
import json
import subprocess
import sys
import tempfile
from pathlib import Path

READY_STEPS = 151
LIMIT = 3000
VERBOSE = "-v" in sys.argv


def start_score(stage):
    """Stage 31 opens only to a game with 50000 points."""
    return ["--score", "50000"] if stage > 30 else []


def column_x(column):
    return 395 - 10 * column


class Player:
    def __init__(self, tree, stage):
        self.tree, self.stage = tree, stage
        self.inputs = [(READY_STEPS, "-")]

    def steps(self):
        return sum(n for n, _ in self.inputs)

    def run(self, extra):
        """Plays the inputs plus `extra`; returns the trace of every step."""
        with tempfile.TemporaryDirectory() as tmp:
            inp, trace = Path(tmp) / "a.inp", Path(tmp) / "t.jsonl"
            inp.write_text("".join(f"{n} {k}\n" for n, k in self.inputs + extra))
            total = self.steps() + sum(n for n, _ in extra)
            subprocess.run([f"{self.tree}/bin/vexhop-replay", "--root", self.tree, "--stage", str(self.stage),
                            *start_score(self.stage), "--input", str(inp), "--steps", str(total), "--trace", str(trace)],
                           check=True, stdout=subprocess.DEVNULL)
            return [json.loads(line) for line in trace.read_text().splitlines()]

    def play_until(self, extra, done, what):
        """Plays `extra` until done(step) holds; keeps the input up to there."""
        trace = self.run(extra)
        start = self.steps()
        for s in trace[start:]:
            if s["miss"]:
                raise RuntimeError(f"{what}: miss at step {s['step']} {where(s)}")
            if done(s) or s["stageClear"]:
                self.keep(extra, s["step"] - start)
                return s
        last = trace[-1]
        raise RuntimeError(f"{what}: not done by step {last['step']} {where(last)}")

    def keep(self, extra, count):
        for n, k in extra:
            if count <= 0:
                break
            self.inputs.append((min(n, count), k))
            count -= n

    def last_keys(self):
        return self.inputs[-1][1]


def where(s):
    p = s["player"]
    if not p:
        return "(no player)"
    col = (395 - p["x"]) / 10
    row = (295 - p["y"]) / 10
    return f"x={p['x']} y={p['y']} col={col:.2f} row={row:.2f} ground={p['onGround']} time={s['time']}"


def over(column):
    x = column_x(column)
    return lambda s: abs(s["player"]["x"] - x) < 0.26


def landed(s):
    return s["player"]["onGround"]


def direction_to(player, column):
    x = player.run([])[-1]["player"]["x"]
    return "R" if x > column_x(column) else "L"


def air(player, keys, args, what, land=True):
    """A jump or a fall: steer, maybe until a column, then wait to land."""
    d = args[0] if args and args[0] in ("R", "L") else None
    column = float(args[-1]) if args and args[-1] not in ("R", "L") else None
    if keys == "0":
        # A jump needs the ground and the buttons released the step before.
        if player.last_keys() != "-":
            player.inputs.append((1, "-"))
        player.play_until([(LIMIT, "-")], lambda s: landed(s), what)
    first = "+".join(x for x in (d, keys) if x) or "-"
    if keys:
        player.play_until([(1, first)], lambda s: True, what)
    steer = d or "-"
    if column is not None:
        player.play_until([(LIMIT, steer)], over(column), what)
        steer = "-"
    if land:
        player.play_until([(LIMIT, steer)], lambda s: landed(s), what)


def compile_line(player, line):
    words = line.split()
    op, args = words[0], words[1:]
    if op == "to":
        column = float(args[0])
        if over(column)(player.run([])[-1]):
            return
        player.play_until([(LIMIT, direction_to(player, column))], over(column), line)
    elif op == "jump":
        air(player, "0", args, line)
    elif op == "hop":
        air(player, "0", args, line, land=False)
    elif op == "spring":
        player.play_until([(LIMIT, "-")], lambda s: "hijump.wav" in s["se"], line)
        if "after" in args:  # rise that many steps before steering
            n = int(args[args.index("after") + 1])
            player.keep([(n, "-")], n)
            args = args[:args.index("after")]
        air(player, "", args, line)
    elif op == "fall":
        air(player, "", args, line)
    elif op == "build":
        keys = "+".join([c for c in (args[0] if args else "") if c in "RL"] + ["1"] +
                        [c for c in (args[0] if args else "") if c == "D"])
        if player.last_keys() != "-":
            player.inputs.append((1, "-"))
        player.play_until([(LIMIT, "-")], lambda s: landed(s), line)  # a build starts on the ground
        player.play_until([(1, keys)], lambda s: True, line)
        player.play_until([(LIMIT, "-")], lambda s: s["player"]["animState"] == 0, line)
    elif op == "wait":
        player.keep([(int(args[0]), "-")], int(args[0]))
    elif op == "until":
        n = int(args[0]) - player.steps()
        if n > 0:
            player.keep([(n, "-")], n)
    elif op == "hold":
        player.keep([(int(args[1]), args[0])], int(args[1]))
    else:
        raise RuntimeError(f"unknown plan line '{line}'")


def compile_plan(tree, stage, plan):
    player = Player(tree, stage)
    out = []
    for line in plan:
        before = len(player.inputs)
        compile_line(player, line)
        if VERBOSE:
            last = player.run([])[-1]
            print(f"{line:24} -> step {player.steps()}: {where(last)}")
        out.append(("plan", line))
        out.extend(("input", x) for x in player.inputs[before:])
    return player, out


def merged(items):
    """Adjacent equal keys become one line."""
    result = []
    for kind, value in items:
        if kind == "input" and result and result[-1][0] == "input" and result[-1][1][1] == value[1]:
            result[-1] = ("input", (result[-1][1][0] + value[0], value[1]))
        else:
            result.append((kind, value))
    return result


def main():
    tree, stage, path = sys.argv[1], int(sys.argv[2]), Path(sys.argv[3])
    text = path.read_text() if path.exists() else ""
    header = [l for l in text.splitlines() if l.startswith("# ")]
    plan = [l[2:].strip() for l in text.splitlines() if l.startswith("#>")]
    try:
        player, out = compile_plan(tree, stage, plan)
    except RuntimeError as e:
        print(f"stage {stage}: {e}")
        sys.exit(1)
    lines = header + [f"{READY_STEPS} -"]
    for kind, value in merged(out):
        lines.append(f"#> {value}" if kind == "plan" else f"{value[0]} {value[1]}")
    path.write_text("\n".join(lines) + "\n")
    trace = player.run([(400, "-")])
    clear = next((s for s in trace if s["stageClear"]), None)
    state = f"clear at step {clear['step']}, time left {clear['time']}" if clear else f"NOT CLEAR {where(trace[-1])}"
    print(f"stage {stage}: {player.steps()} steps, {state}")
    if "--show" in sys.argv:
        print(where(trace[player.steps() - 1]))


if __name__ == "__main__":
    main()
