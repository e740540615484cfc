#!/usr/bin/python3
# Live preview latency with a real browser (headless Chromium): from the Build key in the window,
# and from a save that --build --watch --serve sees, until the new page has loaded in the tab
# that shows it, and until it is on the disk (the build's own part). Medians of 20.
# Usage: preview_bench.py WENDLE   (in an X server; make bench runs it under xvfb-run)
import os, statistics, struct, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests"))
from browser import chromium, default_browser  # noqa: E402

wendle, runs = os.path.abspath(sys.argv[1]), 20
work = tempfile.mkdtemp()
site = os.path.join(work, "site")
os.makedirs(site)
env = dict(os.environ, XDG_CONFIG_HOME=work, HOME=work, XDG_DATA_HOME=work,
           BROWSER=default_browser(work))
env.pop("QT_QPA_PLATFORM", None)
page = os.path.join(site, "p.html")


def write(path, data):
    with open(path + ".new", "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())
    os.replace(path + ".new", path)  # as editors save


def project(title):
    return struct.pack("<4I", len(title), 22 + len(title), 5, 6) + f"p.html{title}World".encode()


write(os.path.join(work, "wendle.ini"), "[Template File]\nFileName=t.html\n")
# The page notes when it has loaded, on the clock time.time() reads.
write(os.path.join(site, "t.html"), "<title>%s</title><p>%s</p><script>"
      "window.loaded = performance.timeOrigin + performance.now()</script>")
write(os.path.join(site, "p.wendle"), project("T"))
browser = chromium(work)


def until(check):
    end = time.time() + 20
    while not check():
        if time.time() > end:
            sys.exit("preview bench: timed out")
        time.sleep(0.001)


def measure(change, title):
    """Milliseconds from change() to the page on the disk, and to the page loaded in the tab."""
    before = os.stat(page).st_mtime_ns
    start = time.time()
    change()
    until(lambda: os.stat(page).st_mtime_ns != before)
    on_disk = time.time()
    until(lambda: browser.title == title)
    loaded = browser.execute_script("return window.loaded") / 1000
    return (on_disk - start) * 1000, (loaded - start) * 1000


def report(what, samples):
    disk, shown = (statistics.median(s) for s in zip(*samples))
    print(f"preview, {what}, median of {len(samples)}: page on disk {disk:.1f} ms, "
          f"new page loaded in the browser {shown:.1f} ms (the reload's part {shown - disk:.1f} ms)")


def keys(*words):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, *words], check=True)


try:
    while subprocess.run(["xdotool", "getmouselocation"], capture_output=True).returncode:
        time.sleep(0.1)
    app = subprocess.Popen([wendle, "p.wendle"], cwd=site, env=env)
    window = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible",
                             "--name", "^Tasco's Wendle$"], capture_output=True,
                            text=True).stdout.split()[0]
    keys("key", "F12")
    until(lambda: os.path.exists(f"{work}/opened"))
    browser.get(open(f"{work}/opened").read().strip())
    until(lambda: browser.title == "T")
    samples = []
    for i in range(runs):
        keys("key", "End", "type", "x")
        keys("key", "Tab", "Tab", "Tab")  # to Build, through the text and Save As
        samples.append(measure(lambda: keys("key", "space"), "T" + "x" * (i + 1)))
        keys("key", "shift+Tab", "shift+Tab", "shift+Tab")
    report("the Build key in the window", samples)
    keys("key", "Escape")
    app.wait(20)
    server = subprocess.Popen([wendle, "--build", "--watch", "--serve", "p.wendle"], cwd=site,
                              env=env, stdout=subprocess.PIPE, text=True)
    browser.get(server.stdout.readline().split()[1])
    until(lambda: browser.title == "T")
    samples = [measure(lambda: write(os.path.join(site, "p.wendle"), project(f"S{i}")), f"S{i}")
               for i in range(runs)]
    report("a watched save (100 ms of it the settling wait)", samples)
    server.terminate()
    server.wait()
finally:
    browser.quit()
