"""Draws every picture of the program into res/. Run: python3 tools/images/draw_all.py

Each module beside this one that has a draw(out_dir) function is run in name order.
"""
import importlib
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
out_dir = os.path.normpath(os.path.join(here, '..', '..', 'res'))
for name in sorted(f[:-3] for f in os.listdir(here) if f.endswith('.py') and f not in ('draw_all.py', 'imagefiles.py')):
    module = importlib.import_module(name)
    if hasattr(module, 'draw'):
        module.draw(out_dir)
        print('drew', name)
