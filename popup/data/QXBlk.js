<script type="text/javascript" language="JavaScript">
<!--
// Put in front of every page by the local proxy. A window that the page's
// script opens on its own (while loading, from a timer, when leaving) is not
// opened; the page's window title carries the marker for a few seconds
// instead, so the program counts the popup, and the page plays the alert
// sound. A window the user asks for opens as usual: one that a handler of
// his own click or key press opens while that event is being handled.
// Written for old browsers too: no newer syntax, and no addEventListener
// where the browser has only window.event.
var quivMarker = "Velmora Blinkward.com Catch Another Popup";
var quivTitle = null;
var quivRealOpen = window.open;
var quivUserTypes = ["click", "dblclick", "mousedown", "mouseup",
                     "keydown", "keypress", "keyup"];
// The user's latest mouse or key event; it counts only while it is still
// being handled.
var quivUserEvent = null;

function quivBeep() {
    try {
%s
    } catch (e) {
    }
}

function quivUnmark() {
    if (quivTitle != null) {
        document.title = quivTitle;
        quivTitle = null;
    }
}

function quivMark() {
    quivBeep();
    if (quivTitle == null) {
        quivTitle = document.title;
    }
    document.title = quivTitle + " " + quivMarker;
    window.setTimeout("quivUnmark()", 3000);
}

function quivNothing() {
}

// What the page gets instead of the new window: an object that is already
// closed and takes the usual calls without effect.
function quivClosedWindow() {
    return {
        closed: true,
        opener: window,
        focus: quivNothing,
        blur: quivNothing,
        close: quivNothing,
        moveTo: quivNothing,
        resizeTo: quivNothing,
        location: { href: "" },
        document: { write: quivNothing, writeln: quivNothing, open: quivNothing,
                    close: quivNothing }
    };
}

function quivIsUserType(type) {
    for (var i = 0; i < quivUserTypes.length; i++) {
        if (quivUserTypes[i] == type) {
            return true;
        }
    }
    return false;
}

// Seen first of all the page's listeners (capture phase on the window).
// Events a script makes and dispatches itself are not the user's; a browser
// that cannot tell the two apart leaves isTrusted undefined.
function quivUserBegin(e) {
    if (e.isTrusted === false) {
        return;
    }
    quivUserEvent = e;
    // Belt and braces for browsers that leave eventPhase set after the
    // dispatch: forget the event once the handlers are done with it.
    window.setTimeout(function () {
        if (quivUserEvent === e) {
            quivUserEvent = null;
        }
    }, 0);
}

function quivListen() {
    var target = window.addEventListener ? window : document;
    if (!target.addEventListener) {
        return false;
    }
    for (var i = 0; i < quivUserTypes.length; i++) {
        target.addEventListener(quivUserTypes[i], quivUserBegin, true);
    }
    return true;
}

var quivListening = quivListen();

// Whether the code calling window.open runs inside a handler of the user's
// own click or key press. Once the event is dispatched its phase is back to
// none: a timer it set up runs later and does not count.
function quivUserAsked() {
    if (quivListening) {
        return quivUserEvent != null && quivUserEvent.eventPhase !== 0;
    }
    var e = window.event;
    return e != null && quivIsUserType(e.type);
}

// The browser's own window.open with the caller's arguments, no more: some
// browsers take a missing argument and an undefined one differently.
function quivPassOn(a) {
    switch (a.length) {
    case 0: return window.quivRealOpen();
    case 1: return window.quivRealOpen(a[0]);
    case 2: return window.quivRealOpen(a[0], a[1]);
    case 3: return window.quivRealOpen(a[0], a[1], a[2]);
    default: return window.quivRealOpen(a[0], a[1], a[2], a[3]);
    }
}

function quivOpen(url, name, features) {
    if (quivUserAsked()) {
        return quivPassOn(arguments);
    }
    quivMark();
    return quivClosedWindow();
}

window.open = quivOpen;
//-->
</script>
