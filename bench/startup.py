"""Start-up to a shown, focused window, measured under Xvfb with the shared
GUI harness: ten starts, each from launch until the window is mapped and
focused; prints the median and the worst."""
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
work = tempfile.mkdtemp(prefix="scaleplate-start-")
shutil.copy(exe, work)
times = []
with Session(size="1024x768") as s:
    for i in range(10):
        t0 = time.monotonic()
        app = s.launch([os.path.join(work, "scaleplate")], cwd=work)
        main = s.wait_window("^scaleplate", timeout=20)
        times.append((time.monotonic() - t0) * 1000)
        s.key("Escape")
        s.wait_exit(app)
shutil.rmtree(work)
print(f"start-up to shown window: median {statistics.median(times):.0f} ms, worst {max(times):.0f} ms "
      f"(first start {times[0]:.0f} ms, creates the settings file)")
