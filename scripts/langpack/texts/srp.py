# Serbian (Latin): Serbian is written in both scripts with a one-to-one
# letter correspondence, so the Latin texts are the Cyrillic ones transliterated.
import importlib.util
import os

_LETTERS = {
    "А": "A", "Б": "B", "В": "V", "Г": "G", "Д": "D", "Ђ": "Đ", "Е": "E", "Ж": "Ž", "З": "Z",
    "И": "I", "Ј": "J", "К": "K", "Л": "L", "Љ": "Lj", "М": "M", "Н": "N", "Њ": "Nj", "О": "O",
    "П": "P", "Р": "R", "С": "S", "Т": "T", "Ћ": "Ć", "У": "U", "Ф": "F", "Х": "H", "Ц": "C",
    "Ч": "Č", "Џ": "Dž", "Ш": "Š",
}
_LETTERS.update({k.lower(): v.lower() for k, v in list(_LETTERS.items())})


def _latin(text):
    return "".join(_LETTERS.get(ch, ch) for ch in text)


_path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "cpn.py")
_spec = importlib.util.spec_from_file_location("texts_cpn_for_srp", _path)
_cyrillic = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(_cyrillic)

T = {number: _latin(text) for number, text in _cyrillic.T.items()}
