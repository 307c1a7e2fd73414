#!/usr/bin/python3
"""The calculator's web page in headless Chromium, through Selenium:
    tests/web/page_test.py SITE_DIR BHNCALC CHART_LAYOUT [unittest options]
SITE_DIR is the built site (build-web/site), BHNCALC the native program whose `calc` results the page must give,
CHART_LAYOUT the native program that prints the desktop chart's layout. Any message in the browser's console
fails the test that caused it."""
import functools
import http.server
import json
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, BHNCALC, CHART_LAYOUT = sys.argv[1:4]
del sys.argv[1:4]

WHITE = (255, 255, 255)
SILVER = (192, 192, 192)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        handler = functools.partial(QuietHandler, directory=SITE)
        cls.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.profile = tempfile.TemporaryDirectory()
        options = Options()
        options.binary_location = '/usr/bin/chromium'
        for argument in ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
                         '--disable-background-networking', '--disable-component-update', '--disable-sync',
                         '--user-data-dir=' + cls.profile.name, '--window-size=800,600']:
            options.add_argument(argument)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        cls.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        cls.url = 'http://127.0.0.1:%d/' % cls.server.server_address[1]

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        cls.profile.cleanup()

    def setUp(self):
        self.driver.get(self.url)
        WebDriverWait(self.driver, 30).until(
            lambda d: d.execute_script('return document.body.dataset.ready === "true"'))

    def tearDown(self):
        self.assertEqual(self.driver.get_log('browser'), [], 'the browser console has messages')

    # Helpers ---------------------------------------------------------------------------------------------

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.element(name).get_property('value')

    def colour(self, name):
        css = self.element(name).value_of_css_property('background-color')
        return tuple(int(part) for part in css[css.index('(') + 1:-1].split(',')[:3])

    def type_into(self, name, text):
        field = self.element(name)
        field.click()
        field.send_keys(Keys.CONTROL, 'a')
        field.send_keys(Keys.DELETE)
        if text:
            field.send_keys(text)

    def results(self):
        return [self.value('Edit2'), self.value('Edit3'), self.value('Edit5')]

    def active(self):
        return self.driver.execute_script('return document.activeElement.id || document.activeElement.name')

    def pixels(self):
        """A digest of the chart canvas's pixels, and the canvas kept for pixel() to read."""
        return self.driver.execute_script('''
            const c = document.getElementById("Chart1-canvas");
            const data = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
            window.picture = {width: c.width, data};
            let hash = 2166136261;
            for (let i = 0; i < data.length; ++i) hash = Math.imul(hash ^ data[i], 16777619) >>> 0;
            return hash;''')

    def pixel(self, x, y):
        """The colour of logical pixel (x, y) of the canvas that pixels() last read."""
        return tuple(self.driver.execute_script('''
            const p = window.picture, scale = p.width / 553;
            const i = (Math.floor(arguments[1] * scale) * p.width + Math.floor(arguments[0] * scale)) * 4;
            return [p.data[i], p.data[i + 1], p.data[i + 2]];''', x, y))

    def layout(self):
        return json.loads(self.driver.execute_script(
            'return BhnPage.module().UTF8ToString(BhnPage.module()._bhn_layout())'))

    def value_pixel(self, x, y):
        return self.driver.execute_script('return BhnPage.valuePixel(%r, %r)' % (x, y))

    def calc(self, variable, standard, mode):
        out = subprocess.run([BHNCALC, 'calc', '--variable', variable, '--standard', standard, '--mode', str(mode)],
                             check=True, capture_output=True, text=True).stdout
        return [line.split(': ')[1] for line in out.splitlines()]

    # Tests -----------------------------------------------------------------------------------------------

    def test_start_shows_the_first_activation_with_the_focus_on_calculate(self):
        self.assertEqual([self.value(n) for n in ['Edit1', 'Edit4', 'Edit2', 'Edit3', 'Edit5']],
                         ['237', '270.0', '0.0', '1', '0'])
        self.assertEqual(self.colour('Edit1'), WHITE)
        self.assertEqual(self.colour('Edit4'), WHITE)
        self.assertEqual(self.active(), 'Button1')
        self.assertEqual(self.driver.title, 'BHN Equivalent Armor Protection Calculator')

    def test_tab_follows_the_form_tab_order(self):
        order = []
        for _ in range(7):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            order.append(self.active())
        self.assertEqual(order, ['Edit1', 'Chart1-canvas', 'Edit2', 'Edit3', 'Edit4', 'Edit5', 'RadioGroup1'])

    def test_return_and_space_on_calculate_calculate(self):
        for key, variable in [(Keys.RETURN, '250'), (Keys.SPACE, '300')]:
            self.type_into('Edit1', variable)
            self.element('Button1').send_keys(key)
            self.assertEqual(self.results(), self.calc(variable, '270', 0), key)
        # Return in a hardness field calculates too.
        self.type_into('Edit1', '237')
        self.element('Edit1').send_keys(Keys.RETURN)
        self.assertEqual(self.results(), ['1.288', '0.9328', '1.0721'])

    def test_fields_turn_grey_on_text_they_refuse(self):
        self.type_into('Edit4', '')
        self.assertEqual(self.colour('Edit4'), SILVER)
        for typed, colour in [('3', SILVER), ('0', SILVER), ('0', WHITE)]:
            self.element('Edit4').send_keys(typed)
            self.assertEqual(self.colour('Edit4'), colour, self.value('Edit4'))
        self.type_into('Edit4', '360')
        self.assertEqual(self.colour('Edit4'), SILVER)
        self.assertEqual(self.element('Edit4').get_attribute('title'), '200 to 359 BHN')
        before = self.results()
        self.type_into('Edit1', '360.5')
        self.element('Button1').click()
        self.assertEqual(self.colour('Edit1'), SILVER)
        self.assertEqual(self.results(), before)
        self.type_into('Edit1', '360')
        self.element('Button1').click()
        self.assertEqual(self.colour('Edit1'), WHITE)

    def test_an_overflowing_numeral_shows_the_error_box(self):
        self.type_into('Edit1', '1e5000')
        self.element('Button1').click()
        box = self.element('errorbox')
        self.assertTrue(box.get_property('open'))
        self.assertEqual(self.element('errorbox-caption').text, 'bhncalc')
        self.assertEqual(self.element('errorbox-text').text, 'Floating point overflow.')
        # Modal: the page behind takes no clicks until OK.
        self.assertTrue(self.driver.execute_script('return document.querySelector("dialog:modal") !== null'))
        self.element('errorbox-ok').click()
        self.assertFalse(box.get_property('open'))

    def test_results_equal_the_command_line(self):
        cases = [('237', '270', 0), ('237', '270', 4), ('360', '200', 7), ('200', '359', 3), ('301.25', '255.5', 1),
                 ('2.7E+2', '300', 2), ('0250', '270', 5), ('333.3333', '222', 6)]
        for variable, standard, mode in cases:
            self.type_into('Edit4', standard)
            self.driver.find_elements(By.CSS_SELECTOR, '#RadioGroup1 input')[mode].click()
            self.type_into('Edit1', variable)
            self.element('Button1').click()
            self.assertEqual(self.results(), self.calc(variable, standard, mode), (variable, standard, mode))

    def test_chart_pixels_show_the_curves_the_diamonds_and_the_markers(self):
        self.element('Button1').click()
        self.driver.execute_script('BhnPage.paintNow()')
        self.pixels()
        curves = self.driver.execute_script('return BhnPage.curves()')
        colours = {'Series2': (0, 255, 0), 'Series3': (0, 128, 255), 'Series6': (64, 128, 128),
                   'Series7': (128, 0, 255), 'Series8': (255, 0, 0)}
        for series, colour in colours.items():
            x, y = self.value_pixel(210, curves[series][2])
            self.assertEqual(self.pixel(x, y), colour, series)
        for hardness, colour in [(270, (0, 0, 255)), (237, (255, 0, 255))]:
            x, y = self.value_pixel(hardness, 1.45)
            self.assertEqual(self.pixel(x, y), colour, hardness)
        for i in range(1, 32):
            x, y = self.value_pixel(200 + 5 * i, curves['Series9'][i])
            self.assertEqual(self.pixel(x, y), (0, 0, 0), 'diamond at %d' % (200 + 5 * i))

    def test_every_text_of_the_chart_is_drawn_in_its_box(self):
        self.driver.execute_script('BhnPage.paintNow()')
        self.pixels()
        texts = self.layout()['texts']
        # In each text's box, the pixels unlike the box's commonest colour (its background): the glyphs.
        inked = self.driver.execute_script('''
            const p = window.picture, scale = p.width / 553;
            return arguments[0].map((t) => {
              const [left, top, right, bottom] = t.box, counts = new Map();
              for (let y = Math.floor(top * scale); y < Math.floor(bottom * scale); ++y) {
                for (let x = Math.floor(left * scale); x < Math.floor(right * scale); ++x) {
                  const i = (y * p.width + x) * 4, c = (p.data[i] << 16) | (p.data[i + 1] << 8) | p.data[i + 2];
                  counts.set(c, (counts.get(c) || 0) + 1);
                }
              }
              const all = [...counts.values()];
              return all.reduce((a, b) => a + b, 0) - Math.max(...all);
            });''', texts)
        for text, ink in zip(texts, inked):
            self.assertGreaterEqual(ink, 4 * len(text['text'].replace(' ', '')), text)

    def drag(self, button, start, end):
        canvas = self.element('Chart1-canvas')
        actions = ActionBuilder(self.driver)
        pointer = actions.pointer_action
        pointer.move_to(canvas, start[0] - 553 // 2, start[1] - 337 // 2)
        pointer.pointer_down(button)
        pointer.move_to(canvas, (start[0] + end[0]) // 2 - 553 // 2, (start[1] + end[1]) // 2 - 337 // 2)
        pointer.move_to(canvas, end[0] - 553 // 2, end[1] - 337 // 2)
        pointer.pointer_up(button)
        actions.perform()
        self.driver.execute_script('BhnPage.paintNow()')

    def test_a_zoom_drag_zooms_and_the_reverse_drag_undoes_it(self):
        self.driver.execute_script('BhnPage.paintNow()')
        before = self.pixels()
        axes = self.driver.execute_script('return BhnPage.axes()')
        self.drag(0, (150, 100), (300, 200))
        zoomed = self.driver.execute_script('return BhnPage.axes()')
        self.assertTrue(axes[0] < zoomed[0] < zoomed[1] < axes[1], zoomed)
        self.assertNotEqual(self.pixels(), before)
        self.drag(0, (300, 200), (150, 100))
        self.assertEqual(self.driver.execute_script('return BhnPage.axes()'), axes)
        self.assertEqual(self.pixels(), before)

    def test_a_mode_change_redraws_the_chart(self):
        self.driver.execute_script('BhnPage.paintNow()')
        before = self.pixels()
        self.driver.find_elements(By.CSS_SELECTOR, '#RadioGroup1 input')[4].click()
        self.driver.execute_script('BhnPage.paintNow()')
        after = self.pixels()
        self.assertNotEqual(after, before)
        curves = self.driver.execute_script('return BhnPage.curves()')
        self.assertEqual(curves['Series9'], curves['Series7'], 'the diamonds follow the M62 curve')
        x, y = self.value_pixel(210, curves['Series9'][2])
        self.assertEqual(self.pixel(x, y), (0, 0, 0))

    def test_a_pasted_megabyte_keeps_the_page_responsive_and_bounded(self):
        memory = []
        for _ in range(5):
            self.driver.execute_script('''
                const field = document.getElementById("Edit4");
                field.focus();
                field.select();
                document.execCommand("insertText", false, "270" + "x".repeat(1 << 20));''')
            self.assertEqual(self.colour('Edit4'), SILVER)
            memory.append(self.driver.execute_script('return BhnPage.module().HEAP8.length'))
        self.assertLessEqual(memory[-1], 64 << 20)
        self.assertEqual(memory[-1], memory[1], 'memory grows with every paste')
        self.type_into('Edit1', '250')
        self.element('Button1').click()
        self.assertEqual(self.results(), self.calc('250', '270', 0))

    def test_the_page_opens_offline_after_the_first_visit(self):
        server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(QuietHandler, directory=SITE))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = 'http://127.0.0.1:%d/' % server.server_address[1]
        self.driver.get(url)
        # The worker controls the page once it has kept every file.
        WebDriverWait(self.driver, 30).until(lambda d: d.execute_script(
            'return document.body.dataset.ready === "true" && navigator.serviceWorker.controller !== null'))
        manifest = json.loads(self.driver.execute_script(
            'return fetch("manifest.webmanifest").then((r) => r.text())'))
        self.assertTrue(all(icon['src'].endswith('.svg') for icon in manifest['icons']), manifest)
        server.shutdown()
        server.server_close()
        self.driver.get(url)
        WebDriverWait(self.driver, 30).until(lambda d: d.execute_script('return document.body.dataset.ready === "true"'))
        self.type_into('Edit1', '250')
        self.element('Button1').click()
        self.assertEqual(self.results(), self.calc('250', '270', 0))

    def test_layout_lies_within_a_pixel_of_the_desktop(self):
        desktop = json.loads(subprocess.run([CHART_LAYOUT], check=True, capture_output=True, text=True,
                                            env={'QT_QPA_PLATFORM': 'offscreen'}).stdout)
        page = self.layout()
        for part in ['plot', 'title', 'legend']:
            for a, b in zip(page[part], desktop[part]):
                self.assertLessEqual(abs(a - b), 1, (part, page[part], desktop[part]))
        self.assertEqual([t['text'] for t in page['texts']], [t['text'] for t in desktop['texts']])
        for p, d in zip(page['texts'], desktop['texts']):
            for a, b in zip(p['box'], d['box']):
                self.assertLessEqual(abs(a - b), 1, (p, d))


if __name__ == '__main__':
    unittest.main(verbosity=2)
