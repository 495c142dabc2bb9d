#!/usr/bin/env python3
"""Writes resources/lang/LangPack.xml from the translation tables in texts/.

The pack is read by the program's own small XML reader, so the file keeps to
what that reader understands: no declaration, double-quoted attributes, UTF-8
without a byte-order mark, CR LF line ends. Content is encoded the way the
reader decodes it: '&', '<', '>' as entities, line breaks as "&#10;", and a
space at either end of a text as "&#160;" (layout whitespace there would be
dropped).

Usage: make_langpack.py [output path]   (default: resources/lang/LangPack.xml)
"""
import importlib.util
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

# Language list in menu order: tag, English name, own name.
LANGUAGES = [
    ("eng", "English", "English"),
    ("ara", "Arabic", "عربي"),
    ("ind", "Indonesian", "Bahasa Indonesia"),
    ("bel", "Belarusian", "Беларускі"),
    ("bul", "Bulgarian", "Български"),
    ("hrv", "Croatian", "Hrvatski"),
    ("cze", "Czech", "Cestina"),
    ("zhs", "Chinese_Simplified", "简体中文"),
    ("zht", "Chinese_Traditional", "繁體中文"),
    ("dan", "Danish", "Dansk"),
    ("nld", "Dutch", "Nederlands"),
    ("est", "Estonian", "Eesti"),
    ("fin", "Finnish", "Suomeksi"),
    ("deu", "German", "Deutsch"),
    ("ell", "Greek", "Ελληνικά"),
    ("spa", "Spanish", "Español"),
    ("fra", "French", "Français"),
    ("heb", "Hebrew", "עברית"),
    ("hin", "Hindi", "हिंदी"),
    ("ita", "Italian", "Italiano"),
    ("jpn", "Japanese", "日本語"),
    ("kor", "Korean", "한국어"),
    ("hun", "Hungarian", "Magyar"),
    ("nor", "Norwegian", "Norsk"),
    ("per", "Persian", "فارسی"),
    ("pol", "Polish", "Polski"),
    ("por", "Portuguese", "Português"),
    ("bra", "Portuguese_Brazilian", "Portugus Brasileiro"),
    ("rom", "Romanian", "Română"),
    ("rus", "Russian", "Русский"),
    ("cpn", "Serbian_Cyrillic", "Српски"),
    ("slk", "Slovak", "Slovensky"),
    ("slv", "Slovenian", "Slovenski"),
    ("swe", "Swedish", "Svenska"),
    ("tha", "Thai", "ไทย"),
    ("tur", "Turkish", "Türkçe"),
    ("ukr", "Ukrainian", "Українська"),
    ("vie", "Vietnamese", "Việt Nam"),
    ("srp", "Serbian_Latin", "Srpski (Partial)"),
    ("vec", "Venetian", "Vèneto (vec-to) (Partial)"),
]

# The one web host every address of the pack is built on. It sits under the
# top-level domain that is reserved never to resolve, so neither the update
# check nor a link can reach a stranger's server before the product has a
# domain of its own; publishing means changing this line and regenerating.
SITE = "https://vexasoft.example"

# Texts that are the same in every language: addresses, identity values that
# other programs or the server compare, and plain numbers.
SHARED = {
    100000: SITE + "/",
    101000: SITE + "/software/Magnifier/",
    108000: SITE + "/software/",
    108200: SITE + "/business/",
    108500: SITE + "/translate/",
    109100: SITE + "/contact/",
    300000: "Vexa Magnifier",
    500002: "Magnifier",
    500003: SITE + "/software/Magnifier/",
    500004: SITE + "/software/Magnifier/feedback/",
    500006: SITE + "/software/Magnifier/version/",
    500010: "1.19",
    500020: "2019/06/17",
    500030: "Windows XP/7/8.1/10",
    500100: SITE + "/donate/",
    1000125: "125%",
    1000150: "150%",
    1000250: "250%",
    1000300: "300%",
    1000400: "400%",
    1000800: "800%",
}

# Every numeric id of the pack, in document order, with a short note that is
# written as the entry's leading free text.
IDS = [
    (100000, "maker's home page"),
    (101000, "product page shown in the version window"),
    (105000, "link caption: home page"),
    (106000, "link caption: donation"),
    (107000, "menu: more software"),
    (108000, "address: more software"),
    (108100, "menu: business use"),
    (108200, "address: business use"),
    (108500, "address: translation help"),
    (109000, "link caption: contact"),
    (109100, "address: contact"),
    (300000, "software/registry id"),
    (400010, ""), (400020, ""), (400030, ""), (400050, ""), (400080, ""),
    (400100, "version window title"), (400110, ""), (400120, ""),
    (400200, "leave empty to switch the update check off"),
    (400210, ""), (400220, ""), (400230, ""), (400300, ""),
    (400310, "confirmation dialog"), (400320, ""),
    (400330, "button, padded"), (400340, "button, padded"), (400380, ""), (400390, ""),
    (500000, "product name"), (500001, "product type"), (500002, "anchor name"),
    (500003, "product page"), (500004, "feedback page"), (500006, "version page"),
    (500010, "version"), (500020, "release date"), (500030, "supported systems"),
    (500050, "licence"), (500051, "licence terms"),
    (500089, "donation question"), (500090, "donation request"), (500100, "donation page"),
    (609000, ""), (609100, ""), (609200, ""), (609300, ""), (609500, ""), (609900, ""),
    (700000, ""), (700001, ""), (701000, ""), (701100, ""), (701200, ""), (701300, ""),
    (740000, ""), (750000, ""), (751000, ""),
    (800000, "usage hint, before the key name"), (800100, "usage hint, after the key name"),
    (800200, "usage hint, second line"),
    (800900, ""), (801000, ""),
    (801001, "key names"), (801002, ""), (801003, ""), (801004, ""), (801005, ""), (801006, ""),
    (900000, ""), (900001, ""),
    (1000000, "zoom menu"), (1000125, ""), (1000150, ""), (1000200, ""), (1000250, ""),
    (1000300, ""), (1000400, ""), (1000800, ""),
    (2010000000, ""), (2010001000, ""),
]

# Button captions come out wide: a non-breaking-space entity, six spaces, the
# word, six spaces, the entity again (seven spaces each side once read).
PADDED = {400330, 400340}


def load_table(tag):
    path = os.path.join(HERE, "texts", tag + ".py")
    spec = importlib.util.spec_from_file_location("texts_" + tag, path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module.T


def encode(text):
    out = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    out = out.replace("\r", "&#13;").replace("\n", "&#10;")
    # Spaces at either end would be taken for layout whitespace.
    lead = len(out) - len(out.lstrip(" "))
    out = "&#160;" * lead + out[lead:]
    trail = len(out) - len(out.rstrip(" "))
    if trail:
        out = out[: len(out) - trail] + "&#160;" * trail
    return out


def raw_text(number, text):
    if number in PADDED:
        return "&#160;      " + encode(text) + "      &#160;"
    return encode(text)


def build():
    tables = {}
    missing = []
    for tag, _, _ in LANGUAGES:
        if os.path.exists(os.path.join(HERE, "texts", tag + ".py")):
            tables[tag] = load_table(tag)
        else:
            missing.append(tag)
    if missing:
        # The loader fills a language without its own children with the
        # English texts, so a partial pack still loads completely.
        sys.stderr.write("warning: no table yet for %s\n" % " ".join(missing))
    problems = []
    translated = [n for n, _ in IDS if n not in SHARED]
    for tag, table in tables.items():
        for number in translated:
            if not table.get(number, "").strip():
                problems.append("%s: no text for %d" % (tag, number))
        for number in table:
            if number not in translated:
                problems.append("%s: unexpected id %d" % (tag, number))
    if problems:
        raise SystemExit("\n".join(problems))

    lines = ["<lang>", "\t<languages>"]
    for tag, eng_name, true_name in LANGUAGES:
        lines.append('\t\t<entry tagName="%s" engName="%s" trueName="%s"/>' % (tag, eng_name, true_name))
    lines.append("\t</languages>")
    lines.append("\t<entries>")
    for number, note in IDS:
        head = '\t\t<entry id="%d">' % number
        if note:
            head += "- " + encode(note)
        lines.append(head)
        for tag, _, _ in LANGUAGES:
            if tag not in tables:
                continue
            text = SHARED.get(number)
            if text is None:
                text = tables[tag][number]
            lines.append("\t\t\t<%s>%s</%s>" % (tag, raw_text(number, text), tag))
        lines.append("\t\t</entry>")
    lines.append("\t</entries>")
    lines.append("</lang>")
    return "\r\n".join(lines) + "\r\n"


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "resources", "lang", "LangPack.xml")
    data = build().encode("utf-8")
    with open(target, "wb") as out:
        out.write(data)
    print("wrote %s (%d bytes)" % (target, len(data)))


if __name__ == "__main__":
    main()
