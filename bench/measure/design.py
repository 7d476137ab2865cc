"""The clock's sizes, read from the program's own design (app/FaceDesign.h, ui/Twips.h), so that
the benchmark finds and clicks the window wherever the design puts it."""
import functools
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


@functools.lru_cache(maxsize=None)
def _twips():
    """Every integer constant and every button of the design, and the twips in a pixel."""
    with open(os.path.join(ROOT, "app", "FaceDesign.h")) as f:
        text = f.read()
    values = {name: int(v) for name, v in re.findall(r"\b(\w+) = (\d+)[,;]", text)}
    # A caption is marked for translation: QT_TRANSLATE_NOOP("FaceDesign", "Close").
    button = r"Button (\w+)\{\"\w+\", (?:QT_TRANSLATE_NOOP\(\"\w+\", )?\"[^\"]*\"\)?, (\d+)\}"
    for name, left in re.findall(button, text):
        values[name] = int(left)
    with open(os.path.join(ROOT, "ui", "Twips.h")) as f:
        per_pixel = float(re.search(r"perPixel = ([\d.]+);", f.read()).group(1))
    return values, per_pixel


def _pixels(twips):
    return round(twips / _twips()[1])


def face_size():
    """The window's client area in pixels: how its window is told from the tray icon's."""
    d = _twips()[0]
    return (_pixels(d["clientWidth"]), _pixels(d["clientHeight"]))


def hide_button():
    """The middle of "Hide to Tray" (Command3) in client pixels, in the normal view."""
    d = _twips()[0]
    left = _pixels(d["frameLeft"] + d["Command3"])
    top = _pixels(d["frameNormalTop"] + d["buttonTop"])
    return (left + _pixels(d["buttonWidth"]) // 2, top + _pixels(d["buttonHeight"]) // 2)
