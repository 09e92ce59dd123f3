#!/usr/bin/env python3
"""The layer check refuses what it must: run on small trees made here."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(__file__), '..', '..', 'scripts', 'check-layers.py')
TABLE = 'base base - -\nplatform platform base- -\nwindow toolkit/window platform- -\n' \
        'ui toolkit/ui window- headless-\nheadless toolkit/backends/headless window- -\n'


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), 'w') as f:
                f.write(text)
        table = os.path.join(root, 'layers.txt')
        with open(table, 'w') as f:
            f.write(TABLE)
        done = subprocess.run([sys.executable, CHECK, table, root], capture_output=True, text=True)
        return done.returncode, done.stdout


class CheckLayers(unittest.TestCase):
    def test_includes_from_below_and_transitively_pass(self):
        code, out = run({'ui/x': '', 'toolkit/ui/A.h': '#include "toolkit/window/W.h"\n#include "base/E.h"\n',
                         'toolkit/window/W.h': '#include "platform/F.h"\n'})
        self.assertEqual(code, 0, out)

    def test_an_include_from_above_fails_with_file_and_line(self):
        code, out = run({'platform/F.cpp': '// x\n#include "toolkit/ui/A.h"\n'})
        self.assertEqual(code, 1)
        self.assertIn('platform/F.cpp:2: layer platform includes "toolkit/ui/A.h" of layer ui', out)

    def test_a_layer_only_linked_may_not_be_included(self):
        code, out = run({'toolkit/ui/C.cpp': '#include "toolkit/backends/headless/H.h"\n'})
        self.assertEqual(code, 1)
        self.assertIn('of layer headless', out)

    def test_sibling_backends_do_not_see_the_component_model(self):
        code, out = run({'toolkit/backends/headless/H.cpp': '#include "toolkit/ui/Control.h"\n'})
        self.assertEqual(code, 1)

    def test_a_file_of_no_layer_cannot_be_included(self):
        code, out = run({'base/E.cpp': '#include "tests/support/T.h"\n'})
        self.assertEqual(code, 1)
        self.assertIn('belongs to no layer', out)

    def test_windows_headers_only_in_windows_files(self):
        self.assertEqual(run({'platform/F.cpp': '#include <windows.h>\n'})[0], 1)
        self.assertEqual(run({'platform/F_win32.cpp': '#include <windows.h>\n'})[0], 0)
        guarded = '#pragma once\n#ifndef _WIN32\n#error "Windows only"\n#endif\n#include <objbase.h>\n'
        self.assertEqual(run({'platform/Com.h': guarded})[0], 0)


if __name__ == '__main__':
    unittest.main()
