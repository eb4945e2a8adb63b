# The baseline: extracts the fields of every mail check entry and every
# deleted-message block of an activity log into arrays, by the same rules as the
# program's reader (en_US times), and prints the same counts as bench_stats.
function timeof(line,    n, w) {
    n = split(line, w, / /)
    if (n < 3) return ""
    if (w[n] ~ /^[0-9][0-9]:[0-9][0-9](:[0-9][0-9])?$/) return w[n]
    return w[n - 1] " " w[n]
}
function upto(s, from, stop,    r, p) {
    r = substr(s, from)
    p = index(r, stop)
    return p ? substr(r, 1, p - 1) : r
}
function nextline(    l) {
    if ((getline l) <= 0) return ""
    sub(/\r$/, "", l)
    return l
}
{ sub(/\r$/, "") }
index($0, "MAIL CHECK ") {
    num = upto($0, 12, " ")
    user = ""; server = ""; date = ""; tm = ""
    if ((p = index($0, "for \"")) > 0) user = upto($0, p + 5, "\"")
    if ((p = index($0, "on server ")) > 0) server = upto($0, p + 10, " ")
    if ((p = index($0, " at ")) > 0) { date = upto($0, p + 8, " "); tm = timeof($0) }
    if (num != "") {
        nc++; cn[nc] = num; cu[nc] = user; cs[nc] = server; cd[nc] = date; ct[nc] = tm
        found += num
    }
    key = tolower(user)
    if (!(key in seen)) { seen[key] = 1; nm++ }
    next
}
index($0, "DELETE SPAM") {
    first = $0
    l2 = nextline(); l3 = nextline(); l4 = nextline(); l5 = nextline()
    nd++
    dd[nd] = upto(first, 20, " "); dt[nd] = timeof(first)
    if (index(l2, "Server:")) ds[nd] = upto(l2, 13, " ")
    if ((p = index(l2, "Mailbox:")) > 0) dm[nd] = substr(l2, p + 9, 255)
    if ((p = index(l4, "Sender:")) > 0) {
        s = tolower(substr(l4, p + 9, 255)); dx[nd] = s
        if ((q = index(s, "@")) > 0) dn[nd] = substr(s, q + 1, 255)
    }
    if ((p = index(l5, "Size:")) > 0) dz[nd] = upto(l5, p + 9, " ")
}
END { printf "checks %d deletions %d found %d mailboxes %d\n", nc, nd, found, nm }
