#!/usr/bin/python3
# The live preview. Usage: preview_test.py server|browser WENDLE
# server: wendle --build --watch --serve on a site with secrets beside it and in it; every way
#   of reaching them is refused, foreign hosts and origins and other methods too, a rebuild
#   sends "reload", and bad clients leave it serving.
# browser: a real browser (headless Chromium) reloads by itself after Build in the window (F12
#   opens it as the user's default browser) and after a change that --serve saw; skipped (77)
#   only where the browser cannot start. Run it in an X server.
import atexit, os, re, socket, struct, subprocess, sys, tempfile, time

SECRET, mode, wendle = b"SECRET-7f3a", sys.argv[1], os.path.abspath(sys.argv[2])
work = tempfile.mkdtemp()
site = os.path.join(work, "site")
env = dict(os.environ, XDG_CONFIG_HOME=work, HOME=work, XDG_DATA_HOME=work)
env.pop("QT_QPA_PLATFORM", None)  # the window in the X server, not offscreen


def write(name, data):
    os.makedirs(os.path.dirname(os.path.join(work, name)), exist_ok=True)
    with open(os.path.join(work, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())


def project(title):
    return struct.pack("<4I", len(title), 22 + len(title), 5, 6) + f"p.html{title}World".encode()


def until(check, what):
    end = time.time() + 20
    while not check():
        if time.time() > end:
            sys.exit(f"FAIL: timed out waiting for {what}")
        time.sleep(0.02)


def ask(request):
    """Raw bytes to the server; the status and all that came back (0: no answer)."""
    with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
        s.sendall(request.encode("latin-1") if isinstance(request, str) else request)
        data = b""
        while not re.search(rb"\r\n\r\n", data) or len(data.split(b"\r\n\r\n", 1)[1]) < int(
                (re.search(rb"Content-Length: (\d+)", data) or [0, 0])[1]):
            try:
                chunk = s.recv(65536)
            except (socket.timeout, ConnectionResetError):
                break
            if not chunk:
                break
            data += chunk
    return (int(data.split()[1]) if data.startswith(b"HTTP/") else 0), data


def get(path, host=None, method="GET", extra=""):
    return ask(f"{method} {path} HTTP/1.1\r\nHost: {host or f'127.0.0.1:{port}'}\r\n{extra}\r\n")


def serve(*options):
    server = subprocess.Popen([wendle, "--build", "--watch", "--serve", *options, "p.wendle"],
                              cwd=site, env=env, stdout=subprocess.PIPE, text=True)
    atexit.register(server.kill)  # whatever fails, no server outlives the test
    url = server.stdout.readline().removeprefix("preview: ").strip()
    assert re.fullmatch(r"http://127\.0\.0\.1:\d+/p\.html", url), url
    return server, url, int(url.split(":")[2].split("/")[0])


for name, data in {"secret.txt": SECRET, "site/.env": SECRET, "site/.git/config": SECRET,
                   "site/sub/s.css": "body{}", "site/t.html": "<title>%s</title><p>%s</p>",
                   "site/p.wendle": project("Hello"),
                   "wendle.ini": "[Template File]\nFileName=t.html\n"}.items():
    write(name, data)
for link, target in (("out.html", "../secret.txt"), ("up", ".."), ("e.html", ".env")):
    os.symlink(target, os.path.join(site, link))

if mode == "server":
    server, url, port = serve()
    with open("/proc/net/tcp") as f:  # listening (state 0A) on 127.0.0.1 alone
        assert [line.split()[1] for line in f if line.split()[1].endswith(f":{port:04X}")
                and line.split()[3] == "0A"] == [f"0100007F:{port:04X}"], "not on 127.0.0.1 only"
    status, page = get("/p.html")
    assert page.endswith(b"<title>Hello</title><p>World</p>\n<script>new EventSource("
                         b"\"/.wendle-reload\" + location.pathname).onmessage = () => "
                         b"location.reload();</script>\n") and b"no-store" in page, page
    assert b"access-control" not in page.lower() and b"text/css" in get("/sub/s.css")[1]
    with open(os.path.join(site, "p.html"), "rb") as f:
        assert f.read() == b"<title>Hello</title><p>World</p>", "the page on disk changed"
    taken = subprocess.run([wendle, "--build", "--watch", "--serve", "--port", str(port),
                            "p.wendle"], cwd=site, env=env, capture_output=True, text=True)
    assert taken.returncode == 1 and f"Cannot serve on 127.0.0.1:{port}" in taken.stderr, taken
    for (status, data), allowed in [  # what is asked, and the statuses that may answer it
        *[(get(path), (403, 404)) for path in (
            "/../secret.txt", "/%2e%2e/secret.txt", "/%2E%2E%2fsecret.txt", "/..%5csecret.txt",
            "/sub/..%2f..%2fsecret.txt", "/sub\\..\\..\\secret.txt", "/p.html%00/../../secret.txt",
            "//secret.txt", "/sub//../../secret.txt", "/up/secret.txt", "/out.html", "/e.html",
            "/.env", "/.git/config", "/%2egit/config", "/sub/", "/", f"/{work}/secret.txt",
            f"http://127.0.0.1:{port}/../secret.txt", "/.wendle-reload/../secret.txt")],
        *[(get("/p.html", host), (421, 403)) for host in (
            "evil.example", f"evil.example:{port}", " ", f"127.0.0.1:{port}.evil.example",
            f"localhost:{port + 1}")],
        *[(get("/p.html", method=m), (405,)) for m in ("POST", "PUT", "DELETE", "OPTIONS")],
        (get("/.wendle-reload/p.html", extra="Origin: http://evil.example\r\n"), (403,)),
        (ask("GET /p.html HTTP/1.0\r\n\r\n"), (421,)), (ask("GARBAGE\r\n\r\n"), (0, 400)),
        (ask(f"GET /p.html HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nX: {'x' * 200000}\r\n\r\n"),
         (0, 400, 421, 431))]:
        assert status in allowed and SECRET not in data, data[:300]
    idle = [socket.create_connection(("127.0.0.1", port)) for _ in range(100)]
    assert get("/p.html", f"localhost:{port}")[0] == 200, "idle clients stopped the server"
    server.terminate()
    sys.exit(server.wait())

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import chromium, default_browser
try:
    browser = chromium(work)
except Exception as error:  # no browser here: nothing to test with
    print(f"SKIP: the browser cannot start: {error}")
    sys.exit(77)
atexit.register(browser.quit)


def keys(*words):  # xdotool's key and type commands, to the window
    subprocess.run(["xdotool", "windowfocus", "--sync", window, *words], check=True)


def title_is(title, what):
    until(lambda: browser.title == title, what)


until(lambda: not subprocess.run(["xdotool", "getmouselocation"], capture_output=True).returncode,
      "the X server")
# The demo of make run, whose welcome text says to press F12.
app = subprocess.Popen([os.path.join(os.path.dirname(__file__), "../scripts/demo.sh"), wendle,
                        f"{work}/demo"], env=dict(env, BROWSER=default_browser(work)))
atexit.register(app.kill)
window = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                         "^Tasco's Wendle$"], capture_output=True, text=True).stdout.split()[0]
keys("key", "F12")
until(lambda: os.path.exists(f"{work}/opened"), "F12 to open the browser")
with open(f"{work}/opened") as f:
    url = f.read().strip()
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
with open(f"{work}/opened") as f:
    assert f.read() == url + "\n", "F12 opened a second tab"
try:
    socket.create_connection(("127.0.0.1", int(url.split(":")[2].split("/")[0])), timeout=2)
    sys.exit("FAIL: the server outlived the window")
except ConnectionRefusedError:
    pass
server, url, port = serve()
browser.get(url)
title_is("Hello", "the served page, built again from the project")
write("site/p.wendle", project("Watched"))
title_is("Watched", "the browser to reload after a save")
