"""Start-up to a shown, focused window, measured under Xvfb with the shared
GUI harness: ten starts, each from launch until the window is mapped and
focused, and until a grab of the window shows the preview painted (black ink
of the scale right of the fields); prints the median and the worst. The
second figure is an upper bound: it includes the time of the grab that saw it."""
import os
import shutil
import statistics
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
for cand in (os.path.join(here, "..", "..", "shared", "tools", "gui"), "/work/shared/tools/gui"):
    if os.path.exists(os.path.join(cand, "gui.py")):
        sys.path.insert(0, cand)
        break
from gui import Session  # noqa: E402

exe = os.path.abspath(sys.argv[1])
# With a plate file: "scaleplate FILE" opens the plate designer alone, and
# its picture counts as painted when a grab shows the plate's red ink.
plate = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
work = tempfile.mkdtemp(prefix="scaleplate-start-")
shutil.copy(exe, work)


def preview_painted(ppm):
    """True when the window's grab holds pure black pixels right of the
    fields' 488 pixels, above the facts line."""
    parts = ppm.split(b"\n", 3)
    w, h = map(int, parts[1].split())
    data = parts[3]
    if w <= 500:
        return False
    for y in range(8, h - 30, 2):
        row = data[3 * w * y + 3 * 496: 3 * w * (y + 1) - 3 * 8]
        if b"\x00\x00\x00" in row[: len(row) - len(row) % 3]:
            for i in range(0, len(row) - 2, 3):
                if row[i:i + 3] == b"\x00\x00\x00":
                    return True
    return False


def plate_painted(ppm):
    """True when the grab holds the red ink of the multimeter's AC scale
    (anti-aliased: strongly red pixels, a few dozen of them). Samples are
    one byte, or two (big-endian) when the grab's maxval is above 255."""
    parts = ppm.split(b"\n", 3)
    size = 2 if int(parts[2]) > 255 else 1
    data, step = parts[3], 3 * size
    red = 0
    for i in range(0, len(data) - step + 1, step):
        if data[i] > 200 and data[i + size] < 60 and data[i + 2 * size] < 60:
            red += 1
            if red >= 20:
                return True
    return False


times, painted = [], []
with Session(size="1024x768") as s:
    for i in range(10):
        t0 = time.monotonic()
        argv = [os.path.join(work, "scaleplate")] + ([plate] if plate else [])
        app = s.launch(argv, cwd=work)
        main = s.wait_window("Návrh dosky" if plate else "^scaleplate", timeout=20)
        times.append((time.monotonic() - t0) * 1000)
        while not (plate_painted if plate else preview_painted)(s.grab(main)):
            if time.monotonic() - t0 > 20:
                raise SystemExit("the preview was never painted")
        painted.append((time.monotonic() - t0) * 1000)
        s.key("ctrl+w" if plate else "Escape")
        s.wait_exit(app)
shutil.rmtree(work)
what = "the designer with a plate file" if plate else "the preview"
print(f"start-up to shown window: median {statistics.median(times):.0f} ms, worst {max(times):.0f} ms "
      f"(first start {times[0]:.0f} ms, creates the settings file)")
print(f"start-up to shown window with {what} painted (seen by a grab): median "
      f"{statistics.median(painted):.0f} ms, worst {max(painted):.0f} ms")
