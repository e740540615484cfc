#!/usr/bin/python3
# The live preview. Usage: preview_test.py server|browser WENDLE
# server: wendle --build --watch --serve on a site with secrets beside it and in it; every way
#   of reaching them is refused, foreign hosts and origins and other methods too, a rebuild
#   sends "reload", and bad clients leave it serving.
# browser: a real browser (headless Chromium) reloads by itself after Build in the window (F12
#   opens it as the user's default browser) and after a change that --serve saw; skipped (77)
#   only where the browser cannot start. Run it in an X server.
import atexit, os, pathlib, re, socket, struct, subprocess, sys, tempfile, threading, time

SECRET, mode, wendle = b"SECRET-7f3a", sys.argv[1], os.path.abspath(sys.argv[2])
work = tempfile.mkdtemp()
site = os.path.join(work, "site")
env = dict(os.environ, XDG_CONFIG_HOME=work, HOME=work, XDG_DATA_HOME=work)
env.pop("QT_QPA_PLATFORM", None)  # the window in the X server, not offscreen


def write(name, data):
    os.makedirs(os.path.dirname(os.path.join(work, name)), exist_ok=True)
    open(os.path.join(work, name), "wb").write(data if isinstance(data, bytes) else data.encode())


def project(title):
    return struct.pack("<4I", len(title), 22 + len(title), 5, 6) + f"p.html{title}World".encode()


def until(check, what):
    end = time.time() + 20
    while not check():
        time.sleep(0.02) if time.time() < end else sys.exit(f"FAIL: timed out waiting for {what}")


def ask(request, then=lambda s: b""):
    """Raw bytes to the server, then `then`; the status and all that came back until the server
    ended the connection (0: no answer, or a connection that the server did not end)."""
    with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
        s.sendall(request.encode("latin-1"))
        data, ended = then(s), True
        try:
            while chunk := s.recv(65536):
                data += chunk
        except (socket.timeout, ConnectionResetError) as error:
            ended = isinstance(error, ConnectionResetError)
    return (int(data.split()[1]) if data.startswith(b"HTTP/") and ended else 0), data


def request(path, host=None, method="GET", extra="", version="1.1", close=True):
    """A request; with close, one of HTTP/1.1 asks the server to end the connection after it."""
    return (f"{method} {path} HTTP/{version}\r\nHost: {host or f'127.0.0.1:{port}'}\r\n{extra}"
            + "Connection: close\r\n" * (close and version == "1.1") + "\r\n")


def get(*args, **named):
    return ask(request(*args, **named))


def send(*args, **named):  # a request whose connection the test keeps
    return (s := socket.create_connection(("127.0.0.1", port), timeout=10)).sendall(request(*args, close=False, **named).encode()) or s


def serve(*options):
    server = subprocess.Popen([wendle, "--build", "--watch", "--serve", *options, "p.wendle"],
                              cwd=site, env=env, stdout=subprocess.PIPE, text=True)
    atexit.register(server.kill)  # whatever fails, no server outlives the test
    url = server.stdout.readline().removeprefix("preview: ").strip()
    assert re.fullmatch(r"http://127\.0\.0\.1:\d+/p\.html", url), url
    return server, url, int(url.split(":")[2].split("/")[0])


for name, data in {"secret.txt": SECRET, "site/.env": SECRET, "site/.git/config": SECRET, "site/race/r.txt": "",
                   "site/sub/s.css": "body{}", "site/t.html":  # the reload script must pass a strict page's policy
                   "<meta http-equiv=Content-Security-Policy content=\"script-src 'self'\"><title>%s</title><p>%s</p>",
                   "site/p.wendle": project("Hello"), "site/\u00e9 x.txt": "plain",
                   "site/c.html": "<body><!-- </body> -->x</body></html><!--", "wendle.ini": "[Template File]\nFileName=t.html\n"}.items():
    write(name, data)
for link, target in (("out.html", "../secret.txt"), ("up", ".."), ("e.html", ".env"),
                     ("a.css", f"{site}/sub/s.css"), ("ao.html", f"{work}/secret.txt"), ("ae.txt", f"{site}/.env")):
    os.symlink(target, os.path.join(site, link))

os.mkfifo(os.path.join(site, "f.html"))  # and a device, where this container may make one
subprocess.run(["mknod", "-m", "666", os.path.join(site, "null.txt"), "c", "1", "3"], stderr=subprocess.DEVNULL)

if mode == "server":
    server, url, port = serve()
    with open("/proc/net/tcp") as f:  # listening (state 0A) on 127.0.0.1 alone
        assert [line.split()[1] for line in f if line.split()[1].endswith(f":{port:04X}")
                and line.split()[3] == "0A"] == [f"0100007F:{port:04X}"], "not on 127.0.0.1 only"
    client = (f"import socket, sys; s = socket.create_connection((sys.argv[1], {port})); s.sendall(b'GET /p.html "
              f"HTTP/1.0\\r\\nHost: 127.0.0.1:{port}\\r\\n\\r\\n'); sys.stdout.buffer.write(s.makefile('rb').read())")
    try:  # from an IPv6 socket too, as dual-stack programs reach 127.0.0.1
        addresses = socket.socket(socket.AF_INET6).close() or ("127.0.0.1", "::ffff:127.0.0.1")
    except OSError:
        addresses = ("127.0.0.1",)
    for address in addresses:  # another account on the machine gets 403 and nothing else for a page the owner gets
        own = subprocess.run([sys.executable, "-c", client, address], capture_output=True, check=True).stdout
        assert own.startswith(b"HTTP/1.1 200 "), (address, own[:100])
        if os.geteuid() == 0:
            other = subprocess.run(["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", sys.executable, "-c",
                                    client, address], capture_output=True, check=True).stdout
            assert other.startswith(b"HTTP/1.1 403 ") and other.endswith(b"Content-Length: 0\r\n\r\n"), other
    tag = b'<script src="/.wendle-reload.js"></script>'  # in HTML before the last </body>, else at its end
    for path, end in (("/p.html", b"<p>World</p>" + tag), ("/c.html", b"-->x" + tag + b"</body></html><!--"),
                      ("/.wendle-reload.js", b"location.reload();\n"), ("/sub/s.css", b"\r\n\r\nbody{}"),
                      ("/%C3%A9%20x.txt", b"\r\n\r\nplain"), ("/a.css", b"\r\n\r\nbody{}")):  # others as they are
        assert get(path)[1].endswith(end), path
    page, head = get("/p.html")[1], get("/p.html", method="HEAD")[1]  # HEAD: the headers of GET alone
    assert b"no-store" in page and b"access-control" not in page.lower() and b"text/css" in get("/sub/s.css")[1]
    assert b"Content-Length: %d\r\n" % (len(page) - len(head)) in head
    assert open(os.path.join(site, "p.html"), "rb").read().endswith(b"'\"><title>Hello</title><p>World</p>")
    taken = subprocess.run([wendle, "--build", "--watch", "--serve", "--port", str(port), "p.wendle"],
                           cwd=site, env=env, capture_output=True, text=True)
    assert taken.returncode == 1 and f"Cannot serve on 127.0.0.1:{port}" in taken.stderr, taken
    for (status, data), allowed in [  # what is asked, and the statuses that may answer it
        *[(get(path), (403, 404)) for path in (
            "/../secret.txt", "/%2e%2e/secret.txt", "/%2E%2E%2fsecret.txt", "/..%5csecret.txt",
            "/sub/..%2f..%2fsecret.txt", "/sub\\..\\..\\secret.txt", "/p.html%00/../../secret.txt",
            "//secret.txt", "/sub//../../secret.txt", "/up/secret.txt", "/out.html", "/e.html",
            "/.env", "/.git/config", "/%2egit/config", "/sub/", "/", f"/{work}/secret.txt",
            f"http://127.0.0.1:{port}/../secret.txt", "/.wendle-reload/../secret.txt",
            "/f.html", "/null.txt", "/%C3%A9%2520x.txt", "/ao.html", "/ae.txt")],
        *[(get("/p.html", host), (421, 403)) for host in (
            "evil.example", f"evil.example:{port}", " ", f"127.0.0.1:{port}.evil.example",
            f"localhost:{port + 1}")],
        *[(get("/p.html", method=m), (405,)) for m in ("POST", "PUT", "DELETE", "OPTIONS")],
        (get("/.wendle-reload/p.html", extra="Origin: http://evil.example\r\n"), (403,)),
        (ask("GET /p.html HTTP/1.0\r\n\r\n"), (421,)), (ask("GARBAGE\r\n\r\n"), (0, 400)), (get("/p.html", version="1.0"), (200,)),
        (get("/p.html", extra=f"X: {'x' * 200000}\r\n"), (431,)), (get("/" + "a" * 200000), (414,)),
        (get("/p.html", extra="Content-Length: 400000000\r\n"), (400,)), (get("/.wendle-reload/p.html"), (406,)),
        (get("/.wendle-reload/p.html", method="HEAD", extra="Accept: text/event-stream\r\n"), (200,))]:
        assert status in allowed and SECRET not in data, data[:300]
    # A 1 GiB file to clients that do not read: sent as the socket drains, the memory stays.
    open(os.path.join(site, "big.bin"), "wb").truncate(1 << 30)
    rss = lambda: int(re.search(r"VmRSS:\s+(\d+)", open(f"/proc/{server.pid}/status").read())[1]) << 10
    before, hogs = rss(), [send("/big.bin") for _ in range(3)]
    assert b"Content-Length: 1073741824" in get("/big.bin", method="HEAD")[1]
    time.sleep(1)  # long enough for a server that reads the file whole to grow
    assert get("/p.html")[0] == 200 and rss() - before < 64 << 20, (before, rss())
    write("site/cut.txt", b"A" * (16 << 20))  # cut short while sent: nothing beyond its end, and an end
    status, data = ask(request("/cut.txt"), lambda s: s.recv(65536) + (os.truncate(f"{site}/cut.txt", 1000) or b""))
    assert status == 200 and set(data.split(b"\r\n\r\n", 1)[1]) == {ord("A")}, data[-100:]
    # A page that keeps being swapped for a link out of the folder, or for a FIFO.
    race, swapping, swaps = f"{site}/race", time.time() + 3, (lambda p: os.symlink("../../secret.txt", p), os.mkfifo, os.mknod)

    def swap(n=0):
        while time.time() < swapping:
            n = swaps[n % 3](f"{race}/n") or os.rename(f"{race}/n", f"{race}/r.txt") or n + 1
    (swapper := threading.Thread(target=swap)).start()
    while time.time() < swapping:
        status, data = get("/race/r.txt")
        assert status in (200, 404) and SECRET not in data, data
    swapper.join()
    stream = send("/.wendle-reload/p.html", extra="Accept: text/event-stream\r\n")
    until(lambda: b": open" in stream.recv(4096), "the event stream")
    write("site/p.wendle", project("Again"))
    until(lambda: b"data: reload" in stream.recv(4096), "a reload after the project changed")
    idle = [socket.create_connection(("127.0.0.1", port)) for _ in range(100)]
    assert get("/p.html", f"localhost:{port}")[0] == 200, "idle clients stopped the server"
    sys.exit(server.terminate() or server.wait())

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import chromium, default_browser
try:
    browser = chromium(work)
except Exception as error:  # no browser here: nothing to test with
    print(f"SKIP: the browser cannot start: {error}")
    sys.exit(77)
atexit.register(browser.quit)


def keys(*words): subprocess.run(["xdotool", "windowfocus", "--sync", window, *words], check=True)  # to the window


def title_is(title, what): until(lambda: browser.title == title, what)


until(lambda: not subprocess.run(["xdotool", "getmouselocation"], capture_output=True).returncode,
      "the X server")
# The demo of make run, whose welcome text says to press F12.
app = subprocess.Popen([os.path.join(os.path.dirname(__file__), "../scripts/demo.sh"), wendle,
                        f"{work}/demo"], env=dict(env, BROWSER=default_browser(work)))
atexit.register(app.kill)
window = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                         "^Tasco's Wendle$"], capture_output=True, text=True).stdout.split()[0]
keys("key", "F12")
opened = pathlib.Path(work, "opened")  # complete once its line ends: the shell writes it late
until(lambda: opened.exists() and opened.read_text().endswith("\n"), "F12 to open the browser")
url = opened.read_text().strip()
browser.get(url)
title_is("Welcome to Wendle", "the page in the browser")
keys("key", "End", "type", "!")  # at the end of the title; then Build, by Tab from the title
keys("key", "Tab", "Tab", "Tab", "space")
title_is("Welcome to Wendle!", "the browser to reload after Build")
keys("key", "shift+Tab", "shift+Tab", "shift+Tab", "End", "type", "?")
keys("key", "F12")
title_is("Welcome to Wendle!?", "the browser to reload after F12")
keys("key", "Escape")
assert app.wait(20) == 0
assert socket.socket().connect_ex(("127.0.0.1", int(url.split(":")[2].split("/")[0]))), "the server outlived the window"
server, url, port = serve()
browser.get(url)
title_is("Hello", "the served page, built again from the project")
write("site/p.wendle", project("Watched"))
title_is("Watched", "the browser to reload after a save")
