#!/usr/bin/python3
# Live preview latency with a real browser (headless Chromium): from the Build key in the window,
# and from a save that --build --watch --serve sees, until the new page has loaded in the tab
# that shows it, and until it is on the disk (the build's own part). Medians of 20.
# First, with a plain client: a 1 GiB file served to a client that reads it, against
# `cat FILE > /dev/null`; the server's memory while three clients hold 1 GiB downloads without
# reading; and how long a page takes meanwhile.
# Usage: preview_bench.py WENDLE   (in an X server; make bench runs it under xvfb-run)
import atexit, os, re, socket, statistics, struct, subprocess, sys, tempfile, threading, time

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


def serving():
    big = os.path.join(site, "big.bin")
    with open(big, "wb") as f:
        f.write(os.urandom(1 << 20) * 1024)  # real bytes, in the page cache after cat's read
    subprocess.run(["cat", big], stdout=subprocess.DEVNULL, check=True)
    start = time.time()
    subprocess.run(f"cat {big} > /dev/null", shell=True, check=True)
    cat = time.time() - start
    # The ceiling of any server here: the same file by sendfile over loopback, no HTTP.
    listener = socket.create_server(("127.0.0.1", 0))
    threading.Thread(target=lambda: listener.accept()[0].sendfile(open(big, "rb"))).start()
    start, received, buffer = time.time(), 0, bytearray(1 << 20)
    with socket.create_connection(listener.getsockname()) as s:
        while (n := s.recv_into(buffer)):
            received += n
    loopback = time.time() - start
    server = subprocess.Popen([wendle, "--build", "--watch", "--serve", "p.wendle"], cwd=site,
                              env=env, stdout=subprocess.PIPE, text=True)
    atexit.register(server.kill)  # whatever fails, no server outlives the bench
    line = server.stdout.readline()
    assert line.startswith("preview: "), line
    port = int(line.split(":")[3].split("/")[0])

    def connect(path):
        s = socket.create_connection(("127.0.0.1", port), timeout=30)
        s.sendall(f"GET {path} HTTP/1.0\r\nHost: 127.0.0.1:{port}\r\n\r\n".encode())
        return s

    def rss():
        with open(f"/proc/{server.pid}/status") as f:
            return int(re.search(r"VmRSS:\s+(\d+)", f.read())[1]) / 1024

    start, received, buffer = time.time(), 0, bytearray(1 << 20)
    with connect("/big.bin") as s:
        while (n := s.recv_into(buffer)):
            received += n
    served = time.time() - start
    assert received > 1 << 30, received
    print(f"preview, 1 GiB served to a client that reads: {served * 1000:.0f} ms "
          f"({1 / served:.2f} GiB/s); cat FILE > /dev/null: {cat * 1000:.0f} ms "
          f"({1 / cat:.2f} GiB/s); sendfile over loopback, no HTTP: {loopback * 1000:.0f} ms")
    before = rss()
    hogs = [connect("/big.bin") for _ in range(3)]
    time.sleep(2)
    latencies = []
    for _ in range(20):
        start = time.time()
        with connect("/p.html") as s:
            while s.recv(65536):
                pass
        latencies.append((time.time() - start) * 1000)
    print(f"preview, three clients holding 1 GiB downloads without reading: the server's RSS "
          f"{before:.1f} MiB before, {rss():.1f} MiB with them; a page meanwhile, median of 20: "
          f"{statistics.median(latencies):.2f} ms")
    for hog in hogs:
        hog.close()
    server.terminate()
    server.wait()
    os.remove(big)


serving()
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
