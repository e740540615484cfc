# The browser side of the live preview's test and benchmark: Debian's Chromium, headless, driven
# by Selenium, and a user's default browser that xdg-open (or Qt, through $BROWSER) starts.
import os


def chromium(work):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("headless", "no-sandbox", "disable-gpu", "disable-background-networking",
                 "disable-component-update", "no-first-run", f"user-data-dir={work}/chromium"):
        options.add_argument("--" + flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def default_browser(work):
    """A browser that only notes each address it is asked to open, in WORK/opened."""
    os.makedirs(f"{work}/applications", exist_ok=True)
    for name, text in (("browser", f"#!/bin/sh\necho \"$1\" >> {work}/opened\n"),
                       ("applications/mimeapps.list",
                        "[Default Applications]\nx-scheme-handler/http=b.desktop\n"),
                       ("applications/b.desktop",
                        f"[Desktop Entry]\nType=Application\nName=B\nExec={work}/browser %u\n")):
        with open(f"{work}/{name}", "w") as f:
            f.write(text)
    os.chmod(f"{work}/browser", 0o755)
    return f"{work}/browser"
