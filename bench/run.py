#!/usr/bin/env python3
"""Kaleidra's image benchmarks: each conversion timed against a reference tool on the same
input in the same run, reported as the ratio of medians; the peak memory of a large JPEG and
a GIF conversion against the size of its pixel buffer; and the peak memory of tiny progressive JPEGs
that declare huge sizes against that of the real picture they were made from.

Usage: python3 bench/run.py [--runs N] [--convert PATH]   (after `cmake --build --preset default`)
Inputs are generated once with ImageMagick into build/bench/.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "bench")
CONVERT = os.path.join(ROOT, "build", "default", "bin", "kaleidra-convert")
NEEDED = {"convert": "imagemagick", "djpeg": "libjpeg-turbo-progs", "gif2rgb": "giflib-tools", "/usr/bin/time": "time"}


def path(name):
    return os.path.join(WORK, name)


def make(name, *convert_args, output_format=""):
    """Generates an input with ImageMagick unless an earlier run left it."""
    if not os.path.exists(path(name)):
        subprocess.run(["convert", *convert_args, output_format + path(name)], check=True)
    return path(name)


def make_inputs():
    os.makedirs(WORK, exist_ok=True)
    photo = ["-size", "4000x3000", "plasma:fractal", "-blur", "0x1"]
    return {
        "photo": make("photo.jpg", *photo, "-sampling-factor", "2x2", "-quality", "90"),
        "large": make("large.jpg", "-size", "6000x4000", "plasma:fractal", "-sampling-factor", "2x2", "-quality", "90"),
        "gif": make("frame.gif", "-size", "1920x1080", "plasma:fractal", "-colors", "256"),
        "gif_interlaced": make("frame-interlaced.gif", "-size", "1920x1080", "plasma:fractal", "-colors", "256",
                               "-interlace", "GIF"),
        "bmp": make("photo.bmp", path("photo.jpg"), "-type", "truecolor", output_format="BMP3:"),
    }


def fresh(output):
    """The output path, with what an earlier run left there removed."""
    if os.path.exists(output):
        os.remove(output)
    return output


def timed_run(command, output):
    """Wall and user CPU seconds of one run that writes output afresh."""
    fresh(output)
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_utime
    start = time.perf_counter()
    subprocess.run(command, check=True, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    return wall, resource.getrusage(resource.RUSAGE_CHILDREN).ru_utime - before


def compare(label, ours, reference, limit, runs, cpu_too=False):
    """Runs both commands alternately, each a (command, output) pair writing a file that does
    not exist yet, so that machine noise and the cost of a fresh file fall on both alike.
    Wall times compare as medians. User CPU compares as means: the kernel splits a short
    run's time between user and system by the clock ticks that fall in each, a few dozen
    per run, so one run's user time is coarse and only the total over many is fair."""
    timed_run(*ours)  # warms the page cache; not counted
    timed_run(*reference)
    ours_s, ref_s = [], []
    for _ in range(3 * runs):
        ours_s.append(timed_run(*ours))
        ref_s.append(timed_run(*reference))
    ok = True
    for kind, index, average in (("wall", 0, statistics.median), ("user", 1, statistics.mean))[:2 if cpu_too else 1]:
        mine = average(t[index] for t in ours_s)
        theirs = average(t[index] for t in ref_s)
        ratio = mine / theirs
        verdict = "ok" if ratio <= limit else "OVER"
        print(f"{label + ', ' + kind:40} {mine * 1000:8.1f} ms vs {theirs * 1000:8.1f} ms"
              f"   ratio {ratio:5.2f} (limit {limit:.2f}) {verdict}")
        ok &= ratio <= limit
    return ok


def peak_memory(inputs):
    """Peak resident memory of a large JPEG and a GIF conversion: no more than the pixel
    buffer and 8 MiB, the program's own pages and libraries included."""
    ok = True
    for key, label, width, height in (("large", "6000x4000 JPEG", 6000, 4000), ("gif", "1920x1080 GIF", 1920, 1080)):
        peak = peak_kib([CONVERT, inputs[key], fresh(path(key + "-out.bmp"))]) * 1024
        buffer_bytes = width * height * 3
        limit = buffer_bytes + 8 * 2**20
        verdict = "ok" if peak <= limit else "OVER"
        print(f"{'peak memory, ' + label:34} {peak / 2**20:8.1f} MiB vs limit {limit / 2**20:8.1f} MiB"
              f"   ({peak / buffer_bytes:.3f} x buffer) {verdict}")
        ok &= peak <= limit
    return ok


def declaring(source, name, side):
    """A copy of the progressive JPEG whose frame header declares a square of that side."""
    data = bytearray(open(source, "rb").read())
    frame = data.index(b"\xff\xc2")
    data[frame + 5:frame + 9] = side.to_bytes(2, "big") * 2
    with open(path(name), "wb") as out:
        out.write(data)
    return path(name)


def peak_kib(command):
    """Peak resident memory of one run, as GNU time reports it."""
    run = subprocess.run(["/usr/bin/time", "-f", "%M", *command], stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, text=True)
    return int(run.stderr.strip().splitlines()[-1])


def hostile_jpeg_memory():
    """A few hundred bytes must not make the converter hold gigabytes of coefficients: each
    huge declaration is refused at the cost of converting the real 64x64 picture."""
    real = make("progressive.jpg", "-size", "64x64", "gradient:yellow-navy", "-interlace", "JPEG")
    reference = peak_kib([CONVERT, real, path("progressive-out.bmp")])
    ok = True
    for side in (16000, 65500):
        hostile = declaring(real, f"declares-{side}.jpg", side)
        peak = peak_kib([CONVERT, hostile, path("declared-out.bmp")])
        verdict = "ok" if peak <= 1.5 * reference else "OVER"
        print(f"{f'peak memory, {side}x{side} declared':34} {peak / 1024:8.1f} MiB vs {reference / 1024:8.1f} MiB"
              f"   ratio {peak / reference:5.2f} (limit 1.50) {verdict}")
        ok &= peak <= 1.5 * reference
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=5, help="timed runs per median")
    parser.add_argument("--convert", help="another build of kaleidra-convert to time, for a before and after")
    args = parser.parse_args()
    global CONVERT
    CONVERT = os.path.abspath(args.convert) if args.convert else CONVERT
    missing = [pkg for tool, pkg in NEEDED.items() if shutil.which(tool) is None]
    if missing:
        sys.exit("install first: apt-get install " + " ".join(missing))
    if not os.access(CONVERT, os.X_OK):
        sys.exit("build first: cmake --preset default && cmake --build --preset default")

    inputs = make_inputs()
    ok = peak_memory(inputs)
    ok &= hostile_jpeg_memory()
    def ours(key, output):
        return [CONVERT, inputs[key], path(output)], path(output)

    def djpeg(form, output):
        return ["djpeg", form, "-outfile", path(output), inputs["photo"]], path(output)

    ok &= compare("JPEG -> BMP vs djpeg -bmp", ours("photo", "photo-out.bmp"), djpeg("-bmp", "photo-djpeg.bmp"), 1.15,
                  args.runs)
    ok &= compare("JPEG -> BMP vs djpeg -ppm", ours("photo", "photo-out.bmp"), djpeg("-ppm", "photo-djpeg.ppm"), 1.05,
                  args.runs, cpu_too=True)
    for key, label in (("gif", "GIF -> BMP vs gif2rgb"), ("gif_interlaced", "interlaced GIF -> BMP vs gif2rgb")):
        rgb = path(key + ".rgb")
        ok &= compare(label, ours(key, key + "-out.bmp"), (["gif2rgb", "-1", "-o", rgb, inputs[key]], rgb), 0.5,
                      args.runs)
    cat = path("bmp-cat.bmp")
    ok &= compare("24-bit BMP -> BMP vs cat", ours("bmp", "bmp-out.bmp"),
                  (["sh", "-c", f"cat '{inputs['bmp']}' > '{cat}'"], cat), 1.3, args.runs)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
