<script type="text/javascript" language="JavaScript">
<!--
// Put in front of every page by the local proxy. A window that the page's
// script tries to open is not opened; the page's window title carries the
// marker for a few seconds instead, so the program counts the popup, and the
// page plays the alert sound.
var quivMarker = "Velmora Blinkward.com Catch Another Popup";
var quivTitle = null;

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

function quivOpen(url, name, features) {
    quivMark();
    return quivClosedWindow();
}

window.open = quivOpen;
//-->
</script>
