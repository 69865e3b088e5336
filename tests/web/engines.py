"""The browser engines the page's tests run in, each behind the same few
operations: Chromium (Debian's, through chromedriver), Firefox ESR (over
WebDriver BiDi, through puppeteer-core and firefox.mjs) and WebKitGTK, the
engine of Safari (through WebKitWebDriver and its MiniBrowser, on an X
server). Keys are named as the DOM names them: "Escape", "F2", "Tab", "g".
"""

import json
import os
import shutil
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CHROMIUM = "/usr/bin/chromium"
FIREFOX = "/usr/bin/firefox-esr"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


def missing(engine):
    """What the engine lacks on this machine, or None."""
    needs = {"chromium": [CHROMIUM, "/usr/bin/chromedriver"],
             "firefox": [FIREFOX, os.path.join(HERE, "node_modules", "puppeteer-core")],
             "webkit": [WEBKIT_DRIVER, MINIBROWSER]}[engine]
    for need in needs:
        if not os.path.exists(need):
            return need
    if engine == "firefox" and shutil.which("node") is None:
        return "node"
    if engine == "webkit" and not os.environ.get("DISPLAY"):
        return "an X server (run under tools/with-display)"
    return None


def chromium_driver(language="en-US"):
    """Headless Chromium, as a selenium driver: some tests use its DevTools protocol."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--window-size=1000,800", "--lang=" + language,
                 "--user-data-dir=" + tempfile.mkdtemp(prefix="mervane-web-")):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def webkit_driver(language="en-US"):
    """WebKitGTK's MiniBrowser. Its language is the process locale's: C.UTF-8,
    the POSIX locale, makes navigator.language "C"."""
    from selenium import webdriver
    from selenium.webdriver.webkitgtk.options import Options
    options = Options()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    locale = {"en-US": "C.UTF-8", "de-DE": "de_DE.UTF-8"}[language]
    saved = {k: os.environ.get(k) for k in ("LANG", "LC_ALL", "LANGUAGE")}
    os.environ.update(LANG=locale, LC_ALL=locale, LANGUAGE="")
    try:
        driver = webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options)
    finally:
        for k, v in saved.items():
            if v is None:
                os.environ.pop(k, None)
            else:
                os.environ[k] = v
    driver.set_window_size(1000, 800)
    return driver


class Selenium:
    """Chromium or WebKit, through selenium."""

    def __init__(self, name, driver):
        self.name, self.driver = name, driver

    def get(self, url):
        self.driver.get(url)

    def script(self, body, *args):
        return self.driver.execute_script(body, *args)

    def async_script(self, body, *args):
        return self.driver.execute_async_script(body, *args)

    def type(self, selector, text):
        from selenium.webdriver.common.by import By
        box = self.driver.find_element(By.CSS_SELECTOR, selector)
        for key in text:
            box.send_keys(key)

    def press(self, key, *modifiers):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        named = {"Escape": Keys.ESCAPE, "Enter": Keys.ENTER, "Tab": Keys.TAB, "Space": Keys.SPACE,
                 "Alt": Keys.ALT, "Control": Keys.CONTROL, **{"F%d" % i: getattr(Keys, "F%d" % i) for i in range(1, 13)}}
        chain = ActionChains(self.driver)
        for m in modifiers:
            chain.key_down(named[m])
        chain.send_keys(named.get(key, key))
        for m in reversed(modifiers):
            chain.key_up(named[m])
        chain.perform()

    def click(self, selector):
        from selenium.webdriver.common.by import By
        self.driver.find_element(By.CSS_SELECTOR, selector).click()

    def quit(self):
        self.driver.quit()


class Firefox:
    """Firefox ESR, through firefox.mjs: one JSON command a line."""

    def __init__(self, language):
        self.name, self.driver = "firefox", None
        self.process = subprocess.Popen(["node", os.path.join(HERE, "firefox.mjs"), language], cwd=HERE,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def _do(self, op, **args):
        self.process.stdin.write(json.dumps(dict(op=op, **args)) + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise RuntimeError("Firefox's driver ended")
        answer = json.loads(line)
        if "error" in answer:
            raise RuntimeError(answer["error"])
        return answer["value"]

    def get(self, url):
        self._do("goto", url=url)

    def script(self, body, *args):
        return self._do("script", body=body, args=list(args))

    def async_script(self, body, *args):
        return self._do("async", body=body, args=list(args))

    def type(self, selector, text):
        self._do("type", selector=selector, text=text)

    def press(self, key, *modifiers):
        self._do("press", key=key, modifiers=list(modifiers))

    def click(self, selector):
        self._do("click", selector=selector)

    def quit(self):
        try:
            self._do("quit")
        finally:
            self.process.wait(10)


def launch(engine, language="en-US"):
    if engine == "chromium":
        return Selenium(engine, chromium_driver(language))
    if engine == "webkit":
        return Selenium(engine, webkit_driver(language))
    return Firefox(language)
