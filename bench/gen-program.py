#!/usr/bin/env python3
"""Writes a valid program in the BASIC dialect, exactly N lines long, for the benchmark.

The program uses the whole supported language the way people write it: structures, global
arrays of one to three dimensions, lists of numbers and of structures, procedures (some
recursive) with nested If/Else, Select/Case/Default, For/Next with and without Step,
While/Wend, ForEach, Repeat/Until, string functions, gadgets and drawing, and a main
program built from Repeat/Until event and game loops, some nested inside an If. Lines are
indented with tabs. The same seed and N always give the same text.

usage: gen-program.py N [--seed S] [-o FILE]
"""
import argparse
import random
import sys

STRUCT_FIELDS = ["x.i", "y.i", "speed.f", "label.s", "hits.i"]
INT_FIELDS = ["x", "y", "hits"]
KEYS = ["#PB_Key_Left", "#PB_Key_Right", "#PB_Key_Up", "#PB_Key_Down", "#PB_Key_Space",
        "#PB_Key_A", "#PB_Key_D", "#PB_Key_W", "#PB_Key_S", "#PB_Key_Return"]
COLOURS = ["#Red", "#Green", "#Blue", "#White", "#Black", "RGB(200, 120, 40)",
           "RGB(10, 200, 255)"]
WORDS = ["apple", "river", "stone", "cloud", "ember", "frost", "meadow", "signal", "copper",
         "lantern", "harbor", "violet"]


class Program:
    """Names declared so far; every generated line may only use names declared earlier."""

    def __init__(self, rnd):
        self.rnd = rnd
        self.structs = []      # structure names
        self.arrays = []       # (name, dimensions, element kind "i" | "f" | "s")
        self.int_lists = []    # lists of integers
        self.struct_lists = [] # (list name, structure name)
        self.heroes = []       # global structured variables: (name, structure name)
        self.procs = []        # (name, kind, parameter count)
        self.gadget_count = 0


class Writer:
    """Generates statements into exact line budgets so the program has exactly N lines."""

    def __init__(self, prog, in_main):
        self.p = prog
        self.r = prog.rnd
        self.in_main = in_main
        self.ints = ["a", "b", "n", "total"] if not in_main else ["px", "py", "level", "score"]
        self.floats = ["ratio"] if not in_main else ["speed"]
        self.strings = ["s$", "t$"] if not in_main else ["status$"]
        self.loop_vars = ["i", "j", "k", "m"]
        self.foreach_depth = 0  # adding to a list while walking it would never end

    # ---- expressions -------------------------------------------------------------------
    def int_atom(self, depth=0):
        r = self.r
        choice = r.randrange(9)
        if choice <= 2:
            return r.choice(self.ints)
        if choice == 3:
            return str(r.randrange(1, 500))
        if choice == 4:
            return "Random(" + str(r.randrange(2, 100)) + ")"
        if choice == 5:
            return "Len(" + r.choice(self.strings) + ")"
        if choice == 6 and self.p.arrays:
            name, dims, kind = r.choice(self.p.arrays)
            if kind == "i":
                return name + "(" + ", ".join(str(r.randrange(0, 4)) for _ in range(dims)) + ")"
        if choice == 7 and self.p.heroes:
            hero, _ = r.choice(self.p.heroes)
            return hero + "\\" + r.choice(INT_FIELDS)
        if choice == 8 and depth == 0:
            calls = [p for p in self.p.procs if p[1] == "int"]
            if calls:
                name, _, nparams = r.choice(calls)
                if name.startswith("Fold"):  # recursion depth stays small at run time
                    return name + "(" + str(r.randrange(1, 30)) + ", " + self.int_atom(1) + ")"
                args = ", ".join(self.int_atom(1) for _ in range(nparams))
                return name + "(" + args + ")"
        return "Abs(" + r.choice(self.ints) + " - " + str(r.randrange(1, 50)) + ")"

    def int_expr(self):
        r = self.r
        shape = r.randrange(5)
        a, b = self.int_atom(), self.int_atom()
        if shape == 0:
            return a
        if shape == 1:
            return a + " + " + b
        if shape == 2:
            return "(" + a + " - " + b + ") * " + str(r.randrange(2, 9))
        if shape == 3:
            return a + " * " + str(r.randrange(2, 7)) + " + " + b
        return "(" + a + " + " + b + ") / " + str(r.randrange(2, 5))

    def float_expr(self):
        r = self.r
        f = r.choice(self.floats)
        shape = r.randrange(4)
        if shape == 0:
            return "Sin(" + f + ") * " + str(r.randrange(1, 9)) + ".5"
        if shape == 1:
            return "Sqr(" + self.int_atom() + " + 1.0)"
        if shape == 2:
            return f + " * 0.75 + Cos(" + r.choice(self.ints) + ")"
        return "Pow(" + f + ", 2) / 3.0"

    def string_expr(self):
        r = self.r
        s = r.choice(self.strings)
        word = '"' + r.choice(WORDS) + '"'
        shape = r.randrange(8)
        if shape == 0:
            return word + " + Str(" + r.choice(self.ints) + ")"
        if shape == 1:
            return "Left(" + s + ", " + str(r.randrange(1, 6)) + ") + Right(" + s + ", 2)"
        if shape == 2:
            return "UCase(" + s + ") + Mid(" + word + ", 2, 3)"
        if shape == 3:
            return "ReplaceString(" + s + ', "a", "o")'
        if shape == 4:
            return 'Trim(" " + ' + s + ' + " ")'
        if shape == 5:
            return 'StringField("' + ",".join(r.sample(WORDS, 3)) + '", ' + \
                str(r.randrange(1, 4)) + ', ",")'
        if shape == 6:
            return "LCase(" + word + ") + Space(2) + " + s
        return s + " + " + word

    def condition(self):
        r = self.r
        shape = r.randrange(6)
        a = r.choice(self.ints)
        if shape == 0:
            return a + " > " + self.int_atom()
        if shape == 1:
            return a + " <= " + str(r.randrange(1, 100)) + " And " + r.choice(self.ints) + " <> 0"
        if shape == 2:
            return r.choice(self.strings) + ' = "' + r.choice(WORDS) + '"'
        if shape == 3:
            return a + " = " + str(r.randrange(0, 10)) + " Or " + r.choice(self.ints) + " >= 5"
        if shape == 4:
            return "Not (" + a + " = " + str(r.randrange(0, 5)) + ")"
        return "FindString(" + r.choice(self.strings) + ', "e", 1) > 0'

    # ---- simple statements (one line each) ----------------------------------------------
    def simple(self, free_vars):
        r = self.r
        choice = r.randrange(14)
        if choice <= 2:
            return r.choice(self.ints) + " = " + self.int_expr()
        if choice == 3:
            return r.choice(self.floats) + " = " + self.float_expr()
        if choice == 4:
            return r.choice(self.strings) + " = " + self.string_expr()
        if choice == 5:
            return 'Debug "' + r.choice(WORDS) + ' " + Str(' + r.choice(self.ints) + ")"
        if choice == 6 and self.p.arrays:
            name, dims, kind = r.choice(self.p.arrays)
            index = ", ".join(self.index(free_vars, bound=4) for _ in range(dims))
            value = {"i": self.int_expr, "f": self.float_expr, "s": self.string_expr}[kind]()
            return name + "(" + index + ") = " + value
        if choice == 7 and self.p.heroes:
            hero, _ = r.choice(self.p.heroes)
            return hero + "\\" + r.choice(INT_FIELDS) + " = " + self.int_expr()
        if choice == 8 and self.p.int_lists and not self.foreach_depth:
            return "AddElement(" + r.choice(self.p.int_lists) + "())"
        if choice == 9 and self.p.gadget_count:
            gadget = r.randrange(1, self.p.gadget_count + 1)
            return "SetGadgetText(" + str(gadget) + ", " + self.string_expr() + ")"
        if choice == 10:
            return r.choice(self.ints) + " + " + str(r.randrange(1, 9))
        if choice == 11:
            calls = [p for p in self.p.procs if p[1] == "void"]
            if calls:
                name, _, nparams = r.choice(calls)
                return name + "(" + ", ".join(self.int_atom(1) for _ in range(nparams)) + ")"
        if choice == 12:
            return r.choice(self.ints) + " = ElapsedMilliseconds() / 1000"
        return r.choice(self.ints) + " = " + r.choice(self.ints) + " + 1"

    def index(self, free_vars, bound):
        if free_vars and self.r.randrange(3):
            return self.r.choice(free_vars)
        return str(self.r.randrange(0, bound))

    # ---- blocks with exact line counts -------------------------------------------------
    def block(self, depth, budget, free_vars, ind):
        """Exactly `budget` lines of statements, indented by `ind` tabs."""
        out = []
        while len(out) < budget:
            left = budget - len(out)
            out += self.statement(depth, left, free_vars, ind)
        return out

    def statement(self, depth, left, free_vars, ind):
        r = self.r
        tab = "\t" * ind
        if depth >= 5 or left < 3 or r.randrange(10) < 5:
            if left >= 1 and r.randrange(25) == 0:
                return [tab + "; " + r.choice(WORDS) + " " + r.choice(WORDS)]
            return [tab + self.simple(free_vars)]
        kind = r.choice(self.compound_kinds(left))
        inner = max(1, min(left - 2, r.randrange(1, 12)))
        return kind(depth, inner, left, free_vars, ind)

    def compound_kinds(self, left):
        kinds = [self.if_block, self.for_block, self.draw_block]
        if left >= 4:
            kinds += [self.if_else_block, self.while_block, self.foreach_block, self.select_block]
        return kinds

    def if_block(self, depth, inner, left, free_vars, ind):
        tab = "\t" * ind
        body = self.block(depth + 1, inner, free_vars, ind + 1)
        return [tab + "If " + self.condition()] + body + [tab + "EndIf"]

    def if_else_block(self, depth, inner, left, free_vars, ind):
        tab = "\t" * ind
        first = max(1, inner // 2)
        second = max(1, min(left - 3 - first, inner - first))
        return ([tab + "If " + self.condition()]
                + self.block(depth + 1, first, free_vars, ind + 1)
                + [tab + "Else"]
                + self.block(depth + 1, second, free_vars, ind + 1)
                + [tab + "EndIf"])

    def for_block(self, depth, inner, left, free_vars, ind):
        tab = "\t" * ind
        var = self.loop_vars[min(len(free_vars), len(self.loop_vars) - 1)]
        if var in free_vars:
            return [tab + self.simple(free_vars)]
        step = " Step " + str(self.r.randrange(2, 4)) if self.r.randrange(3) == 0 else ""
        head = "For " + var + " = 0 To " + str(self.r.randrange(3, 4)) + step
        body = self.block(depth + 1, inner, free_vars + [var], ind + 1)
        return [tab + head] + body + [tab + "Next"]

    def while_block(self, depth, inner, left, free_vars, ind):
        tab = "\t" * ind
        guard = "w" + str(depth)
        body = self.block(depth + 1, min(inner, left - 4), free_vars, ind + 1)
        return ([tab + guard + " = 0", tab + "While " + guard + " < " + str(self.r.randrange(2, 6))]
                + body + [tab + "\t" + guard + " = " + guard + " + 1", tab + "Wend"])

    def select_block(self, depth, inner, left, free_vars, ind):
        tab = "\t" * ind
        out = [tab + "Select " + self.r.choice(self.ints)]
        room = left - 2
        case = 0
        while room >= 2 and (case == 0 or self.r.randrange(3)):
            lines = max(1, min(room - 1, self.r.randrange(1, 4)))
            label = "Case " + str(case) if room - 1 - lines >= 2 or case == 0 else "Default"
            out.append(tab + "\t" + label)
            out += self.block(depth + 1, lines, free_vars, ind + 2)
            room -= 1 + lines
            case += 1
            if label == "Default":
                break
        out.append(tab + "EndSelect")
        return out

    def foreach_block(self, depth, inner, left, free_vars, ind):
        tab = "\t" * ind
        if self.p.struct_lists and self.r.randrange(2):
            name, _ = self.r.choice(self.p.struct_lists)
            field = self.r.choice(INT_FIELDS)
            body = [tab + "\t" + name + "()\\" + field + " = " + name + "()\\" + field + " + 1"]
        elif self.p.int_lists:
            name = self.r.choice(self.p.int_lists)
            body = [tab + "\t" + self.r.choice(self.ints) + " = " + name + "() * 2"]
        else:
            return [tab + self.simple(free_vars)]
        self.foreach_depth += 1
        body += self.block(depth + 1, max(1, min(inner, left - 3) - 1), free_vars, ind + 1)
        self.foreach_depth -= 1
        return [tab + "ForEach " + name + "()"] + body + [tab + "Next"]

    def draw_block(self, depth, inner, left, free_vars, ind):
        r = self.r
        tab = "\t" * ind
        out = [tab + "If StartDrawing(ScreenOutput())"]
        shapes = [
            lambda: "Box(" + self.int_atom() + ", 10, 32, 16, " + r.choice(COLOURS) + ")",
            lambda: "Circle(" + r.choice(self.ints) + ", 60, 12, " + r.choice(COLOURS) + ")",
            lambda: "LineXY(0, 0, " + r.choice(self.ints) + ", 200, " + r.choice(COLOURS) + ")",
            lambda: "DrawText(8, 8, " + self.string_expr() + ")",
        ]
        for _ in range(max(1, min(inner, left - 3))):
            out.append(tab + "\t" + r.choice(shapes)())
        out += [tab + "\tStopDrawing()", tab + "EndIf"]
        return out


def header(prog, lines, seed, n):
    r = prog.rnd
    lines += ["; Benchmark program: " + str(n) + " lines, seed " + str(seed), ""]
    structs = max(2, n // 20000)
    for k in range(structs):
        name = "Sprite" + str(k)
        lines.append("Structure " + name)
        for field in STRUCT_FIELDS:
            lines.append("\t" + field)
        lines += ["\tList trail.i()", "EndStructure", ""]
        prog.structs.append(name)
    groups = max(2, n // 5000)
    for k in range(groups):
        dims = k % 3 + 1
        kind = "ifs"[k % 3] if dims < 3 else "i"
        sizes = ", ".join(str(r.randrange(4, 12)) for _ in range(dims))
        prog.arrays.append(("grid" + str(k), dims, kind))
        lines.append("Global Dim grid" + str(k) + "." + kind + "(" + sizes + ")")
        lines.append("Global NewList scores" + str(k) + ".i()")
        prog.int_lists.append("scores" + str(k))
        struct = prog.structs[k % len(prog.structs)]
        lines.append("Global NewList actors" + str(k) + "." + struct + "()")
        prog.struct_lists.append(("actors" + str(k), struct))
        lines.append("Global hero" + str(k) + "." + struct)
        prog.heroes.append(("hero" + str(k), struct))
    lines += ["Global px.i, py.i, frame.i, level.i, quit.i, event.i, speed.f, status$", ""]


def recursive_proc(prog, index):
    name = "Fold" + str(index)
    lines = [
        "Procedure.i " + name + "(n.i, acc.i)",
        "\tIf n <= 0",
        "\t\tProcedureReturn acc",
        "\tEndIf",
        "\tProcedureReturn " + name + "(n - 1, acc + n)",
        "EndProcedure",
        "",
    ]
    prog.procs.append((name, "int", 2))
    return lines


def body_proc(prog, index, budget):
    """A procedure of exactly `budget` lines (at least 8)."""
    r = prog.rnd
    kind = r.choice(["int", "void", "string"])
    prefix = {"int": "Procedure.i Calc", "void": "Procedure Update", "string": "Procedure.s Label"}
    name = prefix[kind].split()[-1] + str(index)
    head = prefix[kind] + str(index) + "(a.i, b.i)"
    w = Writer(prog, in_main=False)
    result = {"int": "ProcedureReturn total + a", "void": "ProcedureReturn",
              "string": "ProcedureReturn s$ + t$"}[kind]
    lines = [head, "\tProtected n.i, total.i, ratio.f, s$, t$, w0.i, w1.i, w2.i, w3.i, w4.i, w5.i",
             '\ts$ = "' + r.choice(WORDS) + '"', '\tt$ = Str(a)']
    if r.randrange(4) == 0:
        lines += ["\tRepeat", "\t\tn = n + 1", "\tUntil n >= b Or n > 8"]
    lines += w.block(0, budget - len(lines) - 3, [], 1)
    lines += ["\t" + result, "EndProcedure", ""]
    prog.procs.append((name, kind, 2))
    return lines


def main_program(prog, lines, budget):
    r = prog.rnd
    start = len(lines)
    setup = [
        '; Main program',
        'OpenWindow(0, 100, 100, 640, 480, "Benchmark")',
        'ButtonGadget(1, 10, 10, 100, 24, "Start")',
        'TextGadget(2, 120, 10, 200, 24, "Ready")',
        'StringGadget(3, 330, 10, 200, 24, "")',
        'TrackBarGadget(4, 10, 40, 200, 24, 0, 100)',
        'InitSprite()',
        'InitKeyboard()',
        'OpenWindowedScreen(0, 0, 80, 640, 400)',
        'status$ = "start"',
    ]
    prog.gadget_count = 4
    lines += setup
    w = Writer(prog, in_main=True)
    # A third of the procedures are called from the main program; the others are reached
    # through the calls between procedures, or are dropped by the compaction as unused.
    for name, kind, nparams in prog.procs:
        if r.randrange(3) == 0 and budget - (len(lines) - start) > 60:
            call = name + "(" + ", ".join(str(r.randrange(1, 9)) for _ in range(nparams)) + ")"
            lines.append(call if kind == "void" else "level = Len(Str(" + call + "))")
    loop_no = 0
    final = 14
    while budget - (len(lines) - start) > final:
        left = budget - (len(lines) - start) - final
        if left < 30:
            lines += w.block(0, left, [], 0)
            break
        lines += w.block(0, r.randrange(3, 10), [], 0)
        loop_no += 1
        size = min(left - 12, r.randrange(20, 60))
        lines += game_loop(w, size, loop_no) if loop_no % 2 else event_loop(w, size, loop_no)
    lines += [
        "quit = 0",
        "Repeat",
        "\tevent = WaitWindowEvent()",
        "\tSelect event",
        "\t\tCase #PB_Event_Gadget",
        "\t\t\tIf EventGadget() = 1",
        '\t\t\t\tSetGadgetText(2, "Clicked " + Str(frame))',
        "\t\t\tEndIf",
        "\t\tCase #PB_Event_CloseWindow",
        "\t\t\tquit = 1",
        "\tEndSelect",
        "Until quit = 1",
        'Debug "done"',
        "End",
    ]


def event_loop(w, size, number):
    """A Repeat/Until window event loop of about `size` lines."""
    r = w.r
    body = size - 12
    first = max(1, body // 2)
    lines = [
        "quit = 0",
        "Repeat",
        "\tevent = WaitWindowEvent()",
        "\tSelect event",
        "\t\tCase #PB_Event_Gadget",
        "\t\t\tSelect EventGadget()",
        "\t\t\t\tCase 1",
    ]
    lines += w.block(2, first, [], 5)
    lines += ["\t\t\t\tDefault"]
    lines += w.block(2, max(1, body - first), [], 5)
    lines += [
        "\t\t\tEndSelect",
        "\t\tCase #PB_Event_CloseWindow",
        "\t\t\tquit = 1",
        "\tEndSelect",
        "Until quit = 1",
    ]
    if r.randrange(2):
        lines.insert(2, "\tframe = frame + " + str(number))
    return lines


def game_loop(w, size, number):
    """A Repeat/Until game loop with drawing and keys, with an inner loop inside an If."""
    r = w.r
    key = r.choice(KEYS)
    lines = [
        "frame = 0",
        "Repeat",
        "\tClearScreen(" + r.choice(COLOURS) + ")",
        "\tExamineKeyboard()",
        "\tIf KeyboardPushed(" + key + ")",
        "\t\tpx = px + 2",
        "\tEndIf",
    ]
    inner = size - 16
    lines += w.block(1, max(1, inner // 2), [], 1)
    lines += [
        "\tIf frame = " + str(r.randrange(20, 90)),
        "\t\tlevel = level + 1",
        "\t\tRepeat",
        "\t\t\tevent = WindowEvent()",
    ]
    lines += w.block(3, max(1, inner - inner // 2), [], 3)
    lines += [
        "\t\tUntil event = 0",
        "\tEndIf",
        "\tFlipBuffers()",
        "\tframe = frame + 1",
        "Until KeyboardPushed(#PB_Key_Escape) Or frame > " + str(100 + number),
    ]
    return lines


def generate(n, seed):
    prog = Program(random.Random(seed))
    lines = []
    header(prog, lines, seed, n)
    main_budget = max(60, n * 15 // 100)
    proc_budget = n - len(lines) - main_budget
    index = 0
    while proc_budget >= 7:
        if index % 7 == 3:
            block = recursive_proc(prog, index)
        else:
            size = min(proc_budget, prog.rnd.randrange(12, 60))
            if proc_budget - size < 8:
                size = proc_budget
            if size < 8:
                break
            block = body_proc(prog, index, size)
        if len(block) > proc_budget:
            break
        lines += block
        proc_budget -= len(block)
        index += 1
    main_program(prog, lines, n - len(lines))
    while len(lines) < n:
        lines.insert(len(lines) - 1, 'Debug "end ' + str(len(lines)) + '"')
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("lines", type=int)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("-o", "--output")
    args = parser.parse_args()
    if args.lines < 120:
        sys.exit("gen-program.py: N must be at least 120")
    text = "\n".join(generate(args.lines, args.seed)) + "\n"
    if args.output:
        with open(args.output, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
