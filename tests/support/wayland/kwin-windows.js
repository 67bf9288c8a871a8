// SPDX-License-Identifier: MIT
// Reports KWin's windows and the pointer to the test harness that loaded this script. The
// harness fills in its bus name and the number of the query before loading it.
(function () {
    var windows = [];
    var moving = false;
    var clients = workspace.clientList();
    for (var i = 0; i < clients.length; ++i) {
        var c = clients[i];
        var g = c.frameGeometry;
        moving = moving || c.move || c.resize;
        windows.push({
            // The caption without the " <2>" KWin adds to a second window of the same caption.
            title: String(c.captionNormal !== undefined ? c.captionNormal : c.caption),
            x: g.x, y: g.y, width: g.width, height: g.height,
            minimized: c.minimized,
            hidden: c.hidden === true,
            active: c.active,
            pid: c.pid,
            x11: c.windowId > 0
        });
    }
    var cursor = workspace.cursorPos;
    callDBus("@SERVICE@", "/harness", "org.vorrel.test.KWinReports", "report", @QUERY@,
             JSON.stringify({pointer: {x: cursor.x, y: cursor.y}, moving: moving, windows: windows}));
})();
