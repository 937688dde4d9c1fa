#!/usr/bin/env python3
"""The browser edition in headless Chromium, opened from file://.

web_test.py WEB_DIR DESKTOP_PICTURE: WEB_DIR holds kettlab.html and
paarlab.html, DESKTOP_PICTURE is the tool that writes the desktop window's
picture after the same sequence the pixel test runs in the page.
"""
import base64
import os
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

WEB, DESKTOP_PICTURE = sys.argv[1], sys.argv[2]
del sys.argv[1:3]
# The desktop's layout as form_design_test keeps it: controls in window pixels.
DESIGN = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'form_design.txt')
STEPS = 50
FIRST_TRACE = (0, 114, 178)
RECORDER = '[data-window=Messschreiber]'


def desktop_place(screen, program, control):
    """A control's rectangle in the desktop's main window on that screen."""
    with open(DESIGN, encoding='utf-8') as design:
        blocks = design.read().split('screen ')
    block = next(b for b in blocks if b.startswith(screen + '\n'))
    main = block.split('\nwindow Form1 ')[1 if program == 'kettlab' else 2]
    line = next(l for l in main.splitlines() if l.startswith(control + ' '))
    return [int(n) for n in line.split()[2].split(',')]


class Page:
    def __init__(self, width, height):
        options = webdriver.ChromeOptions()
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--hide-scrollbars'):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                    {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False})

    def open(self, program):
        self.driver.get('file://' + os.path.join(os.path.abspath(WEB), program + '.html'))
        self.wait('wellenlabor.passes > 0')

    def js(self, script, *args):
        return self.driver.execute_script('return ' + script, *args)

    def wait(self, condition, seconds=5):
        end = time.monotonic() + seconds
        while not self.js(condition):
            if time.monotonic() > end:
                raise AssertionError('not within %s s: %s' % (seconds, condition))
            time.sleep(0.02)

    def element(self, name, window='.main'):
        return "document.querySelector('%s [data-name=\"%s\"]')" % (window, name)

    def rect(self, name):
        return self.js(self.element(name) + '.getBoundingClientRect().toJSON()')

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def mouse(self, kind, x, y, buttons):
        self.cdp('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left', buttons=buttons, clickCount=1)

    def touch(self, kind, x=None, y=None):
        points = [] if x is None else [{'x': x, 'y': y}]
        self.cdp('Input.dispatchTouchEvent', type=kind, touchPoints=points)

    def key(self, name, code, modifiers=0, key_code=None):
        for kind in ('rawKeyDown', 'keyUp'):
            self.cdp('Input.dispatchKeyEvent', type=kind, key=name, code=key_code or name,
                     windowsVirtualKeyCode=code, modifiers=modifiers)

    def message(self):
        return self.js("document.getElementById('message').hidden ? '' : document.getElementById('message').textContent")

    def click(self, name, window='.main'):
        self.js(self.element(name, window) + '.click()')

    def panel_menu(self, finger):
        """Opens the panel's menu beside the controls, then clicks its entry."""
        x, y = 5, self.rect('Frame3D1')['bottom'] - 5
        if finger:
            self.touch('touchStart', x, y)
            time.sleep(0.7)
            self.touch('touchEnd')
        else:
            for kind, buttons in (('mousePressed', 2), ('mouseReleased', 0)):
                self.cdp('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='right', buttons=buttons,
                         clickCount=1)
        entry = self.js("document.querySelector('.menu button').getBoundingClientRect().toJSON()")
        self.mouse('mousePressed', entry['x'] + 5, entry['y'] + 5, 1)
        self.mouse('mouseReleased', entry['x'] + 5, entry['y'] + 5, 0)

    def pixels(self, picture):
        """The picture's canvas: how many of its pixels are dark, and a checksum of all."""
        return self.js("""(function (canvas) {
            const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
            let dark = 0;
            let sum = 0;
            for (let k = 0; k < data.length; k += 4) {
              dark += data[k] + data[k + 1] < 100 ? 1 : 0;
              sum = (sum * 31 + data[k] * 65536 + data[k + 1] * 256 + data[k + 2]) % 1000000007;
            }
            return [dark, sum];
          })(""" + self.element(picture) + '.firstChild)')

    def count(self, rgb, picture, window='.main'):
        """How many pixels of the picture's canvas have that colour."""
        return self.js('''(function (canvas) {
            const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
            let n = 0;
            for (let k = 0; k < data.length; k += 4) {
              n += data[k] === %d && data[k + 1] === %d && data[k + 2] === %d ? 1 : 0;
            }
            return n;
          })(%s.firstChild)''' % (*rgb, self.element(picture, window)))

    def recorder(self):
        """The recorder window's rectangle, None while it is hidden."""
        return self.js("(w => w && !w.hidden ? w.getBoundingClientRect().toJSON() : null)"
                       "(document.querySelector('%s'))" % RECORDER)

    def quit(self):
        self.driver.quit()


class WebEdition(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.page = Page(1024, 768)

    @classmethod
    def tearDownClass(cls):
        cls.page.quit()

    def differing(self, program, png):
        """Pixels of the page's Picture1 that differ from a PNG of the same size."""
        with open(png, 'rb') as file:
            data = 'data:image/png;base64,' + base64.b64encode(file.read()).decode()
        return self.page.driver.execute_async_script('''
            const [url, canvas, done] = [arguments[0], arguments[1], arguments[2]];
            const image = new Image();
            image.onload = () => {
              if (image.width !== canvas.width || image.height !== canvas.height) {
                done('size ' + image.width + 'x' + image.height + ' vs ' + canvas.width + 'x' + canvas.height);
                return;
              }
              const other = document.createElement('canvas');
              [other.width, other.height] = [image.width, image.height];
              other.getContext('2d').drawImage(image, 0, 0);
              const a = other.getContext('2d').getImageData(0, 0, image.width, image.height).data;
              const b = canvas.getContext('2d').getImageData(0, 0, image.width, image.height).data;
              let n = 0;
              for (let k = 0; k < a.length; k += 4) {
                n += a[k] !== b[k] || a[k + 1] !== b[k + 1] || a[k + 2] !== b[k + 2] ? 1 : 0;
              }
              done(n);
            };
            image.src = url;''', data, self.page.js(self.page.element('Picture1') + '.firstChild'))

    def desktop(self, program):
        out = os.path.join(self.tmp, program + '.png')
        subprocess.run([DESKTOP_PICTURE, program, '1024', '768', out], check=True)
        return out

    def setUp(self):
        self.tmp = tempfile.mkdtemp()

    def test_each_program_opens_and_shows_its_dots(self):
        for program in ('kettlab', 'paarlab'):
            with self.subTest(program):
                self.page.open(program)
                dark, _ = self.page.pixels('Picture1')
                self.assertGreater(dark, 97 * 4)
                first = self.page.js('wellenlabor.firstPass')
                print('%s: first pass %.0f ms after opening' % (program, first))
                self.assertLess(first, 300)
                self.assertLessEqual(os.path.getsize(os.path.join(WEB, program + '.html')), 1.5e6)

    def test_a_click_at_the_design_position_presses_the_button(self):
        page = Page(1920, 1080)
        try:
            for program in ('kettlab', 'paarlab'):
                with self.subTest(program):
                    page.open(program)
                    x, y, w, h = desktop_place('1920x1080', program, 'Command11')
                    window = page.js("document.querySelector('.main').getBoundingClientRect().toJSON()")
                    page.mouse('mousePressed', window['x'] + x + w / 2, window['y'] + y + h / 2, 1)
                    page.mouse('mouseReleased', window['x'] + x + w / 2, window['y'] + y + h / 2, 0)
                    page.wait("!wellenlabor.looping")
                    self.assertEqual(page.js(page.element('Command11') + '.textContent'), 'Weiter')
        finally:
            page.quit()

    def test_kettlab_after_harmonic_steps_is_the_desktop_picture(self):
        self.page.open('kettlab')
        self.page.click('Command11')
        self.page.click('Command7')
        for _ in range(STEPS):
            self.page.key('F6', 117)
        self.assertEqual(self.differing('kettlab', self.desktop('kettlab')), 0)

    def test_paarlab_after_a_hand_drive_and_steps_is_the_desktop_picture(self):
        self.page.open('paarlab')
        self.page.click('Command11')
        field = self.page.rect('Picture3')
        x = field['x'] + int(field['width']) // 2
        h = int(field['height'])
        self.page.mouse('mousePressed', x, field['y'] + h // 2, 1)
        self.page.mouse('mouseMoved', x, field['y'] + h // 5, 1)
        self.page.mouse('mouseMoved', x, field['y'] + 4 * h // 5, 1)
        self.page.mouse('mouseReleased', x, field['y'] + h // 3, 0)
        for _ in range(STEPS):
            self.page.key('F6', 117)
        self.assertEqual(self.differing('paarlab', self.desktop('paarlab')), 0)

    def test_a_finger_drags_the_end_and_held_first_lays_the_tape(self):
        self.page.open('kettlab')  # the chain at rest: only what the finger does moves it
        tape = self.page.element('Text1') + '.hidden'
        chain = self.page.rect('Picture1')
        x, y = chain['x'] + 8, chain['y'] + chain['height'] / 2
        before = self.page.pixels('Picture1')
        self.page.touch('touchStart', x, y)
        self.page.touch('touchMove', x, y - 60)
        self.page.touch('touchEnd')
        time.sleep(0.2)
        self.assertNotEqual(self.page.pixels('Picture1'), before)
        self.assertTrue(self.page.js(tape))
        self.page.touch('touchStart', x + 200, y)
        time.sleep(0.7)
        self.assertFalse(self.page.js(tape))
        self.page.touch('touchMove', x + 300, y)
        self.page.touch('touchEnd')
        self.assertFalse(self.page.js(tape))

    def test_an_end_and_a_browser_without_webassembly_are_said_in_german(self):
        self.page.open('paarlab')
        self.page.click('Command1')  # "Ende"
        self.page.wait('!wellenlabor.looping')
        passes = self.page.js('wellenlabor.passes')
        time.sleep(0.3)
        self.assertEqual(self.page.js('wellenlabor.passes'), passes)
        self.assertIn('PAARLAB ist beendet', self.page.message())
        page = Page(1024, 768)
        try:
            page.cdp('Page.addScriptToEvaluateOnNewDocument', source='delete window.WebAssembly;')
            page.driver.get('file://' + os.path.join(os.path.abspath(WEB), 'kettlab.html'))
            page.wait("document.getElementById('message').hidden === false")
            self.assertIn('kein WebAssembly', page.message())
        finally:
            page.quit()

    def test_thumb_drag_info_window_drag_new_viewport_and_fault(self):
        page = self.page
        page.open('kettlab')
        thumb = page.js(page.element('HScroll2') + '.lastChild.getBoundingClientRect().toJSON()')
        x, y = thumb['x'] + thumb['width'] / 2, thumb['y'] + thumb['height'] / 2
        for kind, dx, buttons in (('mousePressed', 0, 1), ('mouseMoved', 40, 1), ('mouseReleased', 40, 0)):
            page.mouse(kind, x + dx, y, buttons)
        self.assertGreater(page.js(page.element('HScroll2') + '.value'), 250)  # the period, from 25
        page.click('command6')  # "Info"
        info = "document.querySelector('[data-window=\"Form2\"]')"
        before = page.js(info + '.getBoundingClientRect().toJSON()')
        bar = page.js(info + ".querySelector('.titlebar').getBoundingClientRect().toJSON()")
        for kind, dx, buttons in (('mousePressed', 0, 1), ('mouseMoved', 60, 1), ('mouseReleased', 60, 0)):
            page.mouse(kind, bar['x'] + 20 + dx, bar['y'] + 5, buttons)
        self.assertEqual(page.js(info + '.getBoundingClientRect().x'), before['x'] + 60)
        # A new viewport lays the window out at its zoom, and the run goes on.
        height = "document.querySelector('.main').getBoundingClientRect().height"
        zoomed = page.js(height) * 1000 / 768  # this page's viewport is 1024 x 768
        page.cdp('Emulation.setDeviceMetricsOverride', width=1600, height=1000, deviceScaleFactor=1, mobile=False)
        page.wait('Math.abs(%s - %f) < 2' % (height, zoomed))
        passes = page.js('wellenlabor.passes')
        page.wait('wellenlabor.passes > %d' % passes)
        # A trap inside the WebAssembly stops the run with a German message.
        page.js("(Module.ccall = () => { throw new WebAssembly.RuntimeError('unreachable'); }) && 1")
        page.wait("document.getElementById('message').hidden === false")
        self.assertIn('Fehler in WebAssembly', page.message())
        passes = page.js('wellenlabor.passes')
        time.sleep(0.3)
        self.assertEqual(page.js('wellenlabor.passes'), passes)
        page.cdp('Emulation.setDeviceMetricsOverride', width=1024, height=768, deviceScaleFactor=1, mobile=False)

    def test_downloads_are_named_by_program_and_time(self):
        page = self.page
        page.open('kettlab')
        ctrl_s = lambda: page.key('s', 83, modifiers=2, key_code='KeyS')
        time_and = r' \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.'
        saves = (
            (ctrl_s, '^KETTLAB' + time_and + 'png$', None),
            (lambda: (page.key('F9', 120), page.js(page.element('Option1', RECORDER) + '.focus()'), ctrl_s()),
             '^KETTLAB Messschreiber' + time_and + 'png$', None),
            (lambda: page.click('Command2', RECORDER), '^KETTLAB Messwerte' + time_and + 'csv$',
             't in ZE;Masse 10;Masse 22;Punkt 0\r\n'),
        )
        for save, name, first_line in saves:
            with self.subTest(name):
                folder = tempfile.mkdtemp(dir=self.tmp)
                page.cdp('Browser.setDownloadBehavior', behavior='allow', downloadPath=folder)
                save()
                end = time.monotonic() + 5
                while not [n for n in os.listdir(folder) if not n.endswith('.crdownload')] and time.monotonic() < end:
                    time.sleep(0.05)
                names = os.listdir(folder)
                self.assertEqual(len(names), 1)
                self.assertRegex(names[0], name)
                if first_line:
                    with open(os.path.join(folder, names[0]), encoding='utf-8', newline='') as file:
                        self.assertEqual(file.readline(), first_line)

    def test_the_recorder_opens_in_the_corner_covering_least_of_the_chain(self):
        for width, height, covers in ((1024, 768, True), (1000, 1800, False)):
            page = Page(width, height)
            try:
                with self.subTest(size=(width, height)):
                    page.open('kettlab')
                    page.key('F9', 120)
                    window, chain = page.recorder(), page.rect('Picture1')
                    self.assertEqual((window['right'], window['bottom']), (width, height))
                    self.assertEqual(window['top'] < chain['bottom'], covers)
            finally:
                page.quit()

    def test_the_recorder_plots_the_first_trace_in_its_colour_until_closed(self):
        page = self.page
        page.open('kettlab')
        page.click('Command7')  # a wave, so no trace lies under another
        closers = {
            'close button': lambda: page.js("document.querySelector('%s .titlebar button').click()" % RECORDER),
            'F9 inside it': lambda: (page.js(page.element('Option1', RECORDER) + '.focus()'), page.key('F9', 120)),
            'right button on the panel': lambda: page.panel_menu(finger=False),
            'finger held on the panel': lambda: page.panel_menu(finger=True),
        }
        for way, close in closers.items():
            with self.subTest(way):
                page.key('F9', 120)
                self.assertIsNotNone(page.recorder())
                page.wait('wellenlabor.passes > %d' % (page.js('wellenlabor.passes') + 20))
                self.assertGreater(page.count(FIRST_TRACE, 'Plot', RECORDER), 0)
                self.assertGreater(page.count(FIRST_TRACE, 'Picture1'), 0)
                close()
                self.assertIsNone(page.recorder())
                self.assertEqual(page.count(FIRST_TRACE, 'Picture1'), 0)

if __name__ == '__main__':
    unittest.main(verbosity=2)
