#!/usr/bin/python3
"""Times the chart's full redraw in the web page in headless Chromium: bench/web_redraw.py SITE_DIR [DRAWS]
Prints the median of five runs' milliseconds per draw."""
import functools
import http.server
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


site = sys.argv[1]
draws = int(sys.argv[2]) if len(sys.argv) > 2 else 200
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(QuietHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
with tempfile.TemporaryDirectory() as profile:
    options = Options()
    options.binary_location = '/usr/bin/chromium'
    for argument in ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-sync',
                     '--disable-background-networking', '--disable-component-update', '--user-data-dir=' + profile]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        driver.get('http://127.0.0.1:%d/' % server.server_address[1])
        WebDriverWait(driver, 30).until(lambda d: d.execute_script('return document.body.dataset.ready === "true"'))
        driver.find_element('id', 'Button1').click()
        driver.execute_script('BhnPage.timeFullDraw(500)')
        runs = [driver.execute_script('return BhnPage.timeFullDraw(%d)' % draws) for _ in range(5)]
    finally:
        driver.quit()
        server.shutdown()
print('%.4f' % statistics.median(runs))
