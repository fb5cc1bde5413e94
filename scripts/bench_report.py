#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the benchmarks (inside a virtual X display) and rewrites the table in PERFORMANCE.md.

Called by scripts/bench.sh, which builds the programs and makes the test pictures first.
Every figure is the median of several runs, shown with the lowest and the highest of them, and
every ratio compares the medians of two figures of this run.
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import tempfile
import time
from datetime import datetime, timezone

BEGIN = "<!-- bench:table:begin -->"
END = "<!-- bench:table:end -->"
# Objects of the OpenGL stack: what the engine calls there counts as the driver's.
DRIVER_OBJECTS = re.compile(r"libGL|libGLX|libGLdispatch|libglapi|_dri\.so|libgallium|libLLVM")
DRIVER_FUNCTIONS = {"SDL_GL_SwapBuffers"}


class Figure:
    """One figure over the runs: the median, with the lowest and the highest run."""

    def __init__(self, values):
        self.median = statistics.median(values)
        self.low, self.high = min(values), max(values)
        self.runs = len(values)

    def text(self, unit, digits=0):
        median = f"{self.median:.{digits}f} {unit}"
        if self.runs < 2:
            return median
        return f"{median} ({self.low:.{digits}f}–{self.high:.{digits}f})"


def benchmark_runs(bench, pattern, repetitions, env=None, min_time=None):
    """The JSON of every repetition of every benchmark that matches pattern."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        command = [bench, f"--benchmark_filter={pattern}", f"--benchmark_out={out.name}",
                   "--benchmark_out_format=json", f"--benchmark_repetitions={repetitions}",
                   "--benchmark_enable_random_interleaving=true"]
        if min_time is not None:
            command.append(f"--benchmark_min_time={min_time}")
        subprocess.run(command, check=True, env={**os.environ, **(env or {})},
                       stdout=subprocess.DEVNULL)
        runs = json.load(open(out.name))["benchmarks"]
    runs = [run for run in runs if run["run_type"] == "iteration"]
    if not runs:
        raise SystemExit(f"no benchmark matches {pattern}")
    return runs


def figures_of(runs):
    """Every numeric field of every benchmark's runs, as a Figure, by run name."""
    figures = {}
    for name in {run["run_name"] for run in runs}:
        mine = [run for run in runs if run["run_name"] == name]
        keys = [key for key, value in mine[0].items() if isinstance(value, (int, float))]
        figures[name] = {key: Figure([run[key] for run in mine]) for key in keys}
    return figures


def run_benchmarks(bench, pattern, repetitions, env=None, min_time=None):
    """Every numeric field of every benchmark's runs, as a Figure, by run name."""
    return figures_of(benchmark_runs(bench, pattern, repetitions, env, min_time))


def run_alternately(bench, patterns, runs, env=None):
    """As run_benchmarks, for benchmarks that run once in a process: a process for each
    repetition of each, in turns whose order reverses from run to run (A B, B A, A B, ...), so
    that the machine's drift favours none of them."""
    collected = []
    for run in range(runs):
        for pattern in patterns if run % 2 == 0 else patterns[::-1]:
            collected += benchmark_runs(bench, pattern, 1, env)
    return figures_of(collected)


def only(figures, prefix):
    """The figures of the one benchmark whose run name begins with prefix."""
    (name,) = [name for name in figures if name.startswith(prefix)]
    return figures[name]


def startup(program, folder, runs):
    """Milliseconds from starting the process to its first presented frame."""
    times, extra = [], []
    for _ in range(runs):
        start = time.monotonic()
        lines = subprocess.run([program], cwd=folder, check=True, capture_output=True,
                               text=True).stdout.splitlines()
        times.append((float(lines[0]) - start) * 1000)
        extra = lines[1:]
    return Figure(times), extra


def engine_share(bench, pattern):
    """Share of the main loop's instructions spent outside the OpenGL driver, per callgrind.

    The rasteriser is switched off (GALLIUM_NOOP) so that valgrind finishes; the engine's code
    runs the same. Returns (share, instructions per frame).
    """
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "callgrind.out")
        env = {**os.environ, "GALLIUM_NOOP": "1"}
        env.pop("PEXARO_BENCH_PICTURES", None)  # small pictures: loading is not measured here
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                        "--toggle-collect=*TimedStep*", bench,
                        f"--benchmark_filter={pattern}", "--benchmark_min_time=0.5"],
                       check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return parse_callgrind(out)


def in_driver(object_name, function):
    return bool(DRIVER_OBJECTS.search(object_name or "")) or \
        function.split("(")[0] in DRIVER_FUNCTIONS


def parse_callgrind(path):
    names = {"ob": {}, "fn": {}}
    total = driver = frames = 0
    caller_object = caller = callee_object = callee = None
    pending_call = None

    def name(kind, text):
        match = re.match(r"\((\d+)\)(?: (.*))?", text)
        if not match:
            return text
        if match.group(2) is not None:
            names[kind][match.group(1)] = match.group(2)
        return names[kind].get(match.group(1), "")

    for line in open(path, errors="replace"):
        line = line.rstrip("\n")
        if line.startswith("summary:") or line.startswith("totals:"):
            total = int(line.split()[1])
        elif line.startswith("ob="):
            caller_object = name("ob", line[3:])
        elif line.startswith("fn="):
            caller = name("fn", line[3:])
        elif line.startswith("cob="):
            callee_object = name("ob", line[4:])
        elif line.startswith("cfn="):
            callee = name("fn", line[4:])
        elif line.startswith("calls="):
            pending_call = int(line[6:].split()[0])
        elif pending_call is not None and line and (line[0].isdigit() or line[0] in "+-*"):
            cost = int(line.split()[1])
            target_object = callee_object or caller_object
            if callee.startswith("zr2d::Engine::InitFrame"):
                frames += pending_call
            if in_driver(target_object, callee) and not in_driver(caller_object, caller):
                driver += cost
            pending_call = None
            callee_object = None
    frames = max(frames, 1)
    return (total - driver) / total, total / frames


# Why a target is missed, from the profiles in the section below the table.
WHY = {
    "photo": "the reduced-scale decode is its floor; SDL_gfx's smoothing zoom from "
             "1500 × 1125 to the screen alone is a tenth of the pipeline",
    "menu page": "each thumbnail still entropy-decodes its whole file, which no reduction "
                 "skips, on cores the rasteriser's threads share while they draw the frames",
    "previews": "mostly the rasteriser's threads drawing the two frames until the thumbnails "
                "arrive; the main thread and the workers stay within the target",
    "graphic": "SDL_gfx's smoothing zoom alone takes 86 M instructions against 626 M for the "
               "decode",
    "CrossFade": "bound by the software rasteriser, which fills three screens per frame "
                 "(backdrop and two pictures) against the reference's one",
    "Menu": "bound by the software rasteriser (39 textured draws, one per line of text, and "
            "more than a screen of blended fill per frame), not by the engine",
    "start-up": "the first menu frame takes about 30 ms against the reference's cleared one, "
                "a third of it LLVM compiling llvmpipe's shader for the text",
}


def verdict(value, target, lower_is_better, why=None):
    met = value <= target if lower_is_better else value >= target
    if met:
        return "met"
    miss = (value / target - 1) if lower_is_better else (1 - value / target)
    reason = f": {WHY[why]} ([profile](#where-targets-are-missed-and-why))" if why else ""
    return f"**missed by {miss * 100:.0f} %**{reason}"


def ratio_row(label, value, reference, reference_label, target, lower_is_better, unit="ms",
              why=None, digits=0, note=""):
    """A row whose result is value / reference (two Figures) against the target."""
    ratio = value.median / reference.median
    sign = "≤" if lower_is_better else "≥"
    return (label, value.text(unit, digits),
            f"{reference_label} {reference.text(unit, digits)}{note}", f"{ratio:.2f}",
            f"{sign} {target}", verdict(ratio, target, lower_is_better, why))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--run-folder", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--doc", required=True)
    # Read by bench.sh before it builds or makes pictures: figures count only from an idle start.
    parser.add_argument("--start-load", type=float, required=True)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    bench = os.path.join(build, "bench", "pexaro-bench")

    print("benchmarks ...", flush=True)
    b = run_benchmarks(bench, "^(Picture|Text|Frame_(CrossFade|Menu)/|Reference)", args.runs)
    print("frames without rasterising ...", flush=True)
    noop = run_benchmarks(bench, "^Frame_(CrossFade|Menu)/", args.runs,
                          env={"GALLIUM_NOOP": "1"})
    # The audio benchmarks at full length; the voice's frames a process per run (FrameBench.cpp).
    audio = {"PEXARO_BENCH_AUDIO_FULL": "1"}
    print("answer sounds ...", flush=True)
    latency = only(run_benchmarks(bench, "^Audio_AnswerLatency/", args.runs, env=audio),
                   "Audio_AnswerLatency/")
    print("frames with and without the voice ...", flush=True)
    voice = run_alternately(bench, ["^Frame_Voice/on/", "^Frame_Voice/off/"], args.runs,
                            env=audio)
    spoken, silent = only(voice, "Frame_Voice/on/"), only(voice, "Frame_Voice/off/")
    print("start-up ...", flush=True)
    reference_start, renderer = startup(
        os.path.join(build, "bench", "startup-reference"), args.run_folder, args.runs)
    game_start, _ = startup(os.path.join(build, "bench", "pexaro-startup"), args.run_folder,
                            args.runs)
    print("profiles ...", flush=True)
    shares = {key: engine_share(bench, f"^Frame_{key}/") for key in ("CrossFade", "Menu")}
    print("memory of a 50-megapixel photo ...", flush=True)
    memory = {kind: run_benchmarks(bench, f"^Memory_LargePhoto_{kind}/", 1)
              [f"Memory_LargePhoto_{kind}/iterations:1/real_time"]["peak_growth_mb"]
              for kind in ("Game", "Decode")}
    print("20-game session ...", flush=True)
    session = run_benchmarks(bench, "^Session_Games/20/", 1)
    session = session["Session_Games/20/iterations:1/real_time"]

    def ms(name, key="real_time"):
        return b[f"{name}/real_time"][key]

    def page(kind, key="real_time"):
        return b[f"Picture_MenuPage/{kind}/process_time/real_time"][key]

    rows = []
    for kind, label in (("photo", "12-megapixel JPEG"), ("graphic", "4-megapixel PNG")):
        enter = f"Picture_EnterToFade/{kind}/iterations:5"
        rows.append(ratio_row(f"Enter to the first frame of the cross-fade, {label} "
                              "(main thread's CPU time)", ms(enter, "cpu_time"),
                              ms(f"Picture_Decode/{kind}", "cpu_time"), "IMG_Load alone", 0.1,
                              True, digits=1,
                              note=f"; wall time of Enter and that frame {ms(enter).text('ms')}"))
    buffer_ms = 1024 / 44100 * 1000
    median, worst = latency["median_buffers"], latency["worst_buffers"].high
    answers = latency["iterations"].median * latency["iterations"].runs
    rows.append(("Answer sound, Enter to its first sample in the mixer's output",
                 f"median {median.median * buffer_ms:.1f} ms "
                 f"({median.low * buffer_ms:.1f}–{median.high * buffer_ms:.1f}), "
                 f"worst {worst * buffer_ms:.1f} ms of {answers:.0f} answers",
                 f"the mixer's buffer, 1024 frames at 44100 Hz: {buffer_ms:.1f} ms",
                 f"median {median.median:.2f}, worst {worst:.2f}", "≤ 2 buffers, the worst",
                 verdict(worst, 2, True)))
    photo_decode = ms("Picture_Decode/photo", "cpu_time")
    pipeline = ms("Picture_Pipeline/photo", "cpu_time")
    rows.append(ratio_row("Picture pipeline, 12-megapixel JPEG (CPU time)", pipeline,
                          ms("Picture_ReducedDecode", "cpu_time"),
                          "reduced-scale decode to cover 1024 × 768 alone", 1.1, True,
                          why="photo",
                          note=f"; IMG_Load alone {photo_decode.text('ms')}, the pipeline "
                               f"{pipeline.median / photo_decode.median:.2f} of it"))
    rows.append(ratio_row("Picture pipeline, 4-megapixel PNG (CPU time)",
                          ms("Picture_Pipeline/graphic", "cpu_time"),
                          ms("Picture_Decode/graphic", "cpu_time"), "IMG_Load alone", 1.25, True,
                          why="graphic"))
    game_threads = page("preview", "game_cpu_ms")
    rows.append(ratio_row("Menu page of four 12-megapixel JPEGs with camera previews, until the "
                          "four thumbnails are shown (CPU time of the whole process)",
                          page("preview", "cpu_time"), photo_decode, "one IMG_Load", 0.15, True,
                          why="previews",
                          note=f"; without the rasteriser's threads {game_threads.text('ms', 1)}, "
                               f"{game_threads.median / photo_decode.median:.2f} of it"))
    rows.append(ratio_row("Menu page of four 12-megapixel JPEGs without previews, `ShowMenu` and "
                          "the first frame (main thread's CPU time)",
                          page("photo", "first_frame_cpu_ms"), photo_decode, "one IMG_Load",
                          0.1, True, digits=1,
                          note=f"; wall time {page('photo', 'first_frame_ms').text('ms')}"))
    rows.append(ratio_row("Menu page of four 12-megapixel JPEGs without previews, until the four "
                          "thumbnails are shown (wall time)", page("photo"),
                          ms("Picture_Decode/photo"), "one IMG_Load", 1.2, True, why="menu page"))
    rows.append(("Memory, loading a 50-megapixel JPEG",
                 f"peak RSS grows by {memory['Game'].median:.0f} MB",
                 f"IMG_Load alone {memory['Decode'].median:.0f} MB", "–", "below a full decode",
                 "met" if memory["Game"].median < memory["Decode"].median else "**missed**"))
    cached, first = b["Text_Cached/real_time"], b["Text_FirstRendering/real_time"]
    speedup = first["cpu_time"].median / cached["cpu_time"].median
    counted_ok = cached["font_openings"].high == 0 and cached["uploads"].high == 0
    rows.append(("Text, `SetText` of a cached 40-character line (CPU time)",
                 f"{cached['cpu_time'].text('µs', 1)}, "
                 f"{cached['font_openings'].median:.0f} font openings, "
                 f"{cached['uploads'].median:.0f} uploads",
                 f"first rendering {first['cpu_time'].text('µs')}, "
                 f"{first['font_openings'].median:.0f} font opening, "
                 f"{first['uploads'].median:.0f} uploads", f"{speedup:.0f} × faster",
                 "≥ 50 ×, no opening, no upload",
                 verdict(speedup, 50, False) if counted_ok else "**missed: opens or uploads**"))
    reference_fps = b["Reference_BlendedQuad/real_time"]["fps"]
    for name, label, target in (("CrossFade", "Frames, game during a cross-fade, the next "
                                 "picture's decode started at its Enter", 0.5),
                                ("Menu", "Frames, menu with a full highscore table", 0.8)):
        rows.append(ratio_row(label, b[f"Frame_{name}/real_time"]["fps"], reference_fps,
                              "one blended screen-sized quad", target, False, "fps", name, 1))
    rows.append(ratio_row("Frames, game during a cross-fade with the answer's sound and its name "
                          "spoken", spoken["fps"], silent["fps"], "the same with the voice off",
                          0.95, False, "fps", digits=1,
                          note=f"; {spoken['answers_per_s'].median:.1f} answers a second, "
                               f"sound in {spoken['sounding'].median * 100:.0f} % of the "
                               f"mixer's buffers ({silent['sounding'].median * 100:.0f} % with "
                               "the voice off)"))
    for name, label in (("CrossFade", "cross-fade"), ("Menu", "menu")):
        share, instructions = shares[name]
        front = noop[f"Frame_{name}/real_time"]["main_cpu_ms"].median
        engine_ms = share * front
        rows.append((f"Engine CPU per frame outside the driver, {label}",
                     f"{engine_ms:.2f} ms ({share * 100:.0f} % of {instructions / 1e6:.1f} M "
                     f"instructions; main thread {front:.2f} ms without rasterising)",
                     f"main thread with the rasteriser "
                     f"{b[f'Frame_{name}/real_time']['main_cpu_ms'].text('ms', 2)}", "–",
                     "< 1 ms", verdict(engine_ms, 1.0, True)))
    rows.append(ratio_row("Start-up to the first presented menu frame", game_start,
                          reference_start, "window and one cleared frame", 1.2, True,
                          why="start-up"))
    rows.append(("Memory, 20 games with the sample sets",
                 f"peak RSS {session['peak_rss_mb'].median:.0f} MB",
                 f"live textures: {session['textures_start'].median:.0f} at the start, "
                 f"{session['textures_after_first'].median:.0f} after game 1, "
                 f"{session['textures_after_last'].median:.0f} after game 20", "–", "reported",
                 "–"))

    cpu = next(line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
               if line.startswith("model name"))
    table = [BEGIN, "",
             f"Measured {datetime.now(timezone.utc):%Y-%m-%d %H:%M} UTC on {cpu} "
             f"({os.cpu_count()} cores), OpenGL renderer `{renderer[0] if renderer else '?'}` "
             f"under Xvfb, load average {args.start_load:.1f} before the start "
             f"({'idle' if args.start_load < 1.5 else 'NOT idle: no target counts as met'}), "
             f"{os.getloadavg()[0]:.1f} at the end; median of "
             f"{args.runs} runs, in brackets the lowest and the highest run.", "",
             "| Measure | Pexaro | Reference in the same run | Ratio | Target | Result |",
             "|---|---|---|---|---|---|"]
    table += ["| " + " | ".join(row) + " |" for row in rows]
    table += ["", END]
    text = open(args.doc).read()
    text = text[:text.index(BEGIN)] + "\n".join(table) + text[text.index(END) + len(END):]
    open(args.doc, "w").write(text)
    print("\n".join(table))


if __name__ == "__main__":
    main()
