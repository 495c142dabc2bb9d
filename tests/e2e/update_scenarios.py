"""Scenarios of the update check and the first start, with the shipped
program unchanged.

The offer scenarios run inside the private network of netns.py (the runner
starts them in a namespace of their own): the program asks the test's HTTPS
server under the language pack's host name. A start 30 days after the last
check gets the answer "*1.20" (this is version 1.19), so the program offers
the newer version in its confirmation dialog, centred on the screen (the
lens, its parent, is hidden) with the lens window disabled meanwhile; the
answer is given as a user would: Enter (Yes: the product page goes to the
browser, recorded by the test's stand-in), Tab then Enter (No), or the close
box (No). Offline, nothing is asked or stored. A first start without
arguments with "Silent" 1 opens the product page once and writes 0.
"""

import ctypes
import ctypes.util
import time

import harness
import netns
from harness import SCHEMES, Failure, frame_faults, opened_pages, store_skins, wait_for

PRODUCT_KEY = r"HKCU\Software\Vexa\Vexa Magnifier"
VERSION_KEY = PRODUCT_KEY + r"\SaveData\MainWindow\Version"
OFFER_TITLE = "There is improved version available."
PRODUCT_NAME = "Vexa Magnifier"
WS_DISABLED = 0x08000000
HOURS_BETWEEN_CHECKS = 720

SCENARIOS = []


def scenario(name, kind):
    """Registers a scenario that leaves the last check at the present hour
    however it ends, so that no later start outside the private network
    (the other scenarios) asks a real server."""
    def register(function):
        def run(m):
            try:
                function(m)
            finally:
                m.wine.reg_add(VERSION_KEY, "Update", "REG_DWORD", now_hour())
        run.__doc__ = function.__doc__
        SCENARIOS.append((name, kind, run))
        return function
    return register


def now_hour():
    return int(time.time()) // 3600


def stored_hour(m):
    value = m.wine.reg_query(VERSION_KEY, "Update")
    return None if value is None else int(value, 16) if value.lower().startswith("0x") else int(value)


def offer_windows(m):
    return [window for window in m.program_windows() if window.title == OFFER_TITLE]


def lens_windows(m):
    """The lens window: the program's top-level window titled with the
    product name (hidden and minimized while the lens is not in use)."""
    return [window for window in m.program_windows(visible_only=False)
            if window.title == PRODUCT_NAME and window.class_name != "#32770"]


class _XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def press_close_box(display, window):
    """What a window manager's close box does: the WM_DELETE_WINDOW request
    of the window's protocols, which Wine turns into the system's close
    command (SC_CLOSE) as Windows' own close box does."""
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(_XEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = xlib.XOpenDisplay(display.name.encode())
    if not connection:
        raise harness.HarnessError("cannot open X display %s" % display.name)
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = xlib.XInternAtom(connection, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = xlib.XInternAtom(connection, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        xlib.XSendEvent(connection, window, 0, 0, ctypes.byref(event))
        xlib.XFlush(connection)
    finally:
        xlib.XCloseDisplay(connection)


def start_with_offer(m, skin=None):
    """Starts the program 30 days after its last check, with the server
    offering version 1.20 and the application's skin stored by that name
    (None: none stored); answers the browser record and the X window of
    the offer once it shows, after checking how it shows."""
    if netns.SERVER is None:
        raise Failure("not inside the private network: the runner starts these scenarios in it")
    netns.SERVER.clear(b"*1.20")
    m.settings()
    store_skins(m.wine, application=skin)
    record = m.wine.fresh_browser_record()
    last = now_hour() - HOURS_BETWEEN_CHECKS
    m.wine.reg_add(VERSION_KEY, "Update", "REG_DWORD", last)
    m.launch("/STARTUP")
    offers = wait_for(lambda: offer_windows(m), 30, 0.3)
    if not offers:
        m.fail("no offer within 30 s of the start; the server saw %s" % netns.SERVER.requests)
    if netns.SERVER.version_requests() != [netns.VERSION_REQUEST]:
        m.fail("the server saw %s, expected one request of %s" % (netns.SERVER.requests, netns.VERSION_REQUEST))
    offer = offers[0]
    width, height = offer.right - offer.left, offer.bottom - offer.top
    if offer.left < 0 or offer.top < 0 or offer.right > m.display.width or offer.bottom > m.display.height:
        m.fail("the offer %s is not wholly on the %dx%d screen" % (offer, m.display.width, m.display.height))
    # The lens (its parent) is minimized and hidden: the middle of the screen.
    if abs(offer.left + width // 2 - m.display.width // 2) > 2:
        m.fail("the offer %s is not centred on the screen" % offer)
    lenses = lens_windows(m)
    if not lenses or not all(lens.style & WS_DISABLED for lens in lenses):
        m.fail("the lens window is not disabled while the offer is open: %s" % lenses)
    if stored_hour(m) != last:
        m.fail("\"Update\" changed before the answer: %s" % stored_hour(m))
    ids = wait_for(lambda: m.x_windows("^%s$" % OFFER_TITLE), 10, 0.2)
    if not ids:
        m.fail("the offer has no mapped X window")
    harness.xdotool(m.display, ["windowfocus", "--sync", str(ids[0])], check=False, timeout=5)
    time.sleep(0.5)
    return record, ids[0]


def expect_answered(m, record, pages, what):
    if wait_for(lambda: not offer_windows(m), 10, 0.3) is None:
        m.fail("the offer did not close on %s" % what)
    if wait_for(lambda: stored_hour(m) is not None and stored_hour(m) >= now_hour() - 1, 10, 0.3) is None:
        m.fail("\"Update\" was not set to the hour of the check after %s: %s" % (what, stored_hour(m)))
    if pages:
        wait_for(lambda: len(opened_pages(record)) >= len(pages), 15, 0.3)
    else:
        time.sleep(2.0)
    if opened_pages(record) != pages:
        m.fail("after %s the browser got %s, expected %s" % (what, opened_pages(record), pages))
    lenses = lens_windows(m)
    if not lenses or any(lens.style & WS_DISABLED for lens in lenses):
        m.fail("the lens window is not enabled again after %s: %s" % (what, lenses))


@scenario("update_offer_enter", "netns")
def update_offer_enter(m):
    """30 days after the last check a newer version is offered; Enter
    answers Yes: the product page (and only it) goes to the browser and the
    hour of the check is stored."""
    record, _ = start_with_offer(m)
    m.tap("Return")
    expect_answered(m, record, [netns.PRODUCT_PAGE], "Enter")


@scenario("update_offer_tab", "netns")
def update_offer_tab(m):
    """Tab moves the default to No; Enter then answers No: nothing opens,
    the hour of the check is stored."""
    record, _ = start_with_offer(m)
    m.tap("Tab")
    m.tap("Return")
    expect_answered(m, record, [], "Tab and Enter")


@scenario("update_offer_close", "netns")
def update_offer_close(m):
    """The close box answers No."""
    record, window = start_with_offer(m)
    press_close_box(m.display, window)
    expect_answered(m, record, [], "the close box")


def expect_offer_skin(m, scheme, tag):
    """The offer drawn in the scheme: its frame line and the background
    inside it."""
    offer = offer_windows(m)[0]
    shot = m.screenshot()
    rect = m.x_rect(offer)
    m.save(tag, shot.crop(rect))
    faults = frame_faults(shot, rect, SCHEMES[scheme])
    if faults:
        m.fail("%s: the offer is not drawn in %s: %s" % (tag, scheme, "; ".join(faults)))


@scenario("update_offer_app_skin", "netns")
def update_offer_app_skin(m):
    """The offer follows the application's skin: a stored "Skin" naming no
    scheme draws it in "Black Black"; another stored "Skin" draws it in
    that scheme from the next start on."""
    record, window = start_with_offer(m, skin="No Longer There")
    expect_offer_skin(m, "Black Black", "offer-skin-fallback")
    press_close_box(m.display, window)
    expect_answered(m, record, [], "the close box")
    m.stop_program(m.processes[-1])
    record, window = start_with_offer(m, skin="Sky Blue")
    expect_offer_skin(m, "Sky Blue", "offer-skin-sky-blue")
    press_close_box(m.display, window)
    expect_answered(m, record, [], "the close box")


@scenario("update_offline", "netns-offline")
def update_offline(m):
    """Without a connection (no adapter with a gateway) nothing is asked,
    shown or stored: the check comes again at the next start."""
    if netns.SERVER is None:
        raise Failure("not inside the private network: the runner starts these scenarios in it")
    netns.SERVER.clear(b"*1.20")
    m.settings()
    last = now_hour() - HOURS_BETWEEN_CHECKS
    m.wine.reg_add(VERSION_KEY, "Update", "REG_DWORD", last)
    m.launch("/STARTUP")
    # Online the offer shows about a second after the start.
    time.sleep(5.0)
    if offer_windows(m):
        m.fail("an offer showed offline")
    if netns.SERVER.requests:
        m.fail("the server was asked offline: %s" % netns.SERVER.requests)
    if stored_hour(m) != last:
        m.fail("\"Update\" changed offline: %s, expected %s" % (stored_hour(m), last))


@scenario("first_start_silent", "single")
def first_start_silent(m):
    """A first start without arguments after a silent installation ("Silent"
    1) opens the product page once and writes 0; the update check of a
    first start only records the hour."""
    m.settings()
    record = m.wine.fresh_browser_record()
    m.wine.reg_delete_key(VERSION_KEY)
    m.wine.reg_add(PRODUCT_KEY, "Silent", "REG_DWORD", 1)
    m.start_pattern()
    process = m.start_program()
    if wait_for(lambda: opened_pages(record), 30, 0.3) is None:
        m.fail("no page went to the browser on the first start" + m._exit_note(process))
    silent = m.wine.reg_query(PRODUCT_KEY, "Silent")
    if silent is None or int(silent, 16) != 0:
        m.fail("\"Silent\" is %r after the first start, expected 0" % silent)
    # The usage hint of a start without arguments; the check follows it.
    hints = wait_for(lambda: m.x_windows("^%s$" % m.exe.stem), 30, 0.3)
    if not hints:
        m.fail("no usage hint on a start without arguments")
    harness.xdotool(m.display, ["windowfocus", "--sync", str(hints[0])], check=False, timeout=5)
    m.tap("Return")
    if wait_for(lambda: stored_hour(m) is not None, 15, 0.3) is None:
        m.fail("the first start's check stored no hour after the hint closed")
    if abs(stored_hour(m) - now_hour()) > 1:
        m.fail("the first start stored the hour %s, expected about %d" % (stored_hour(m), now_hour()))
    time.sleep(1.0)
    if opened_pages(record) != [netns.PRODUCT_PAGE]:
        m.fail("the browser got %s, expected the product page once" % opened_pages(record))
    if offer_windows(m):
        m.fail("a first start offered an update")
