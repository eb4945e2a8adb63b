#!/usr/bin/env python3
"""A small OAuth2 provider for the tests, on 127.0.0.1.

Prints its port on the first line of stdout, then serves until killed.

  GET  /authorize   authorization code grant with PKCE (S256 only)
  POST /token       grant_type=authorization_code or refresh_token
  POST /introspect  token introspection for the mail server (token=...)

Controls (POST, form or query parameters):
  /control/user?name=U           user name new tokens are issued to
  /control/expires?seconds=N     expires_in of new access tokens
  /control/revoke                revokes every token issued so far
  /control/expire                lets every access token expire now
  /control/deny?on=1|0           /authorize answers error=access_denied
  /control/secret?value=S        a client secret /token requires ("" for none)
  /control/issue                 tokens for the user at once, as /token answers
  GET /control/count?grant=G     token requests made with grant type G
"""

import base64
import hashlib
import json
import secrets
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlencode, urlsplit


class State:
    def __init__(self, args):
        self.lock = threading.Lock()
        self.user = "alice"
        self.expires_in = 3600
        self.secret = ""
        self.deny = False
        self.client_id = ""  # empty: any client id is accepted
        self.codes = {}  # code -> dict(client_id, redirect_uri, challenge, user)
        self.access = {}  # token -> dict(user, expires, revoked)
        self.refresh = {}  # token -> dict(user, client_id, revoked)
        self.counts = {}
        for arg in args:
            key, _, value = arg.partition("=")
            if key == "--client-id":
                self.client_id = value
            elif key == "--secret":
                self.secret = value
            elif key == "--user":
                self.user = value
            elif key == "--expires":
                self.expires_in = int(value)


STATE = None


def b64url(data):
    return base64.urlsafe_b64encode(data).rstrip(b"=").decode("ascii")


def is_loopback(uri):
    try:
        parts = urlsplit(uri)
    except ValueError:
        return False
    return parts.scheme == "http" and parts.hostname in ("127.0.0.1", "localhost", "::1")


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, fmt, *args):
        pass

    def params(self):
        parts = urlsplit(self.path)
        query = {k: v[0] for k, v in parse_qs(parts.query, keep_blank_values=True).items()}
        if self.command == "POST":
            length = int(self.headers.get("Content-Length") or 0)
            body = self.rfile.read(length).decode("utf-8", "replace") if length else ""
            query.update({k: v[0] for k, v in parse_qs(body, keep_blank_values=True).items()})
        return parts.path, query

    def send(self, status, body, content_type="application/json", headers=None):
        data = body.encode("utf-8") if isinstance(body, str) else body
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Cache-Control", "no-store")
        for key, value in (headers or {}).items():
            self.send_header(key, value)
        self.end_headers()
        self.wfile.write(data)

    def json(self, status, obj):
        self.send(status, json.dumps(obj))

    def error(self, code, description, status=400):
        self.json(status, {"error": code, "error_description": description})

    def do_GET(self):
        path, p = self.params()
        if path == "/authorize":
            self.authorize(p)
        elif path == "/control/count":
            with STATE.lock:
                self.json(200, {"count": STATE.counts.get(p.get("grant", ""), 0)})
        else:
            self.send(404, "not found", "text/plain")

    def do_POST(self):
        path, p = self.params()
        if path == "/token":
            self.token(p)
        elif path == "/introspect":
            self.introspect(p)
        elif path.startswith("/control/"):
            self.control(path[len("/control/"):], p)
        else:
            self.send(404, "not found", "text/plain")

    def authorize(self, p):
        redirect = p.get("redirect_uri", "")
        if not is_loopback(redirect):
            return self.send(400, "redirect_uri must be a loopback address", "text/plain")
        state = p.get("state", "")

        def back(**fields):
            if state:
                fields["state"] = state
            sep = "&" if "?" in redirect else "?"
            self.send(302, "", "text/plain", {"Location": redirect + sep + urlencode(fields)})

        with STATE.lock:
            deny = STATE.deny
            client_id = STATE.client_id
        if deny:
            return back(error="access_denied", error_description="The user declined access")
        if p.get("response_type") != "code":
            return back(error="unsupported_response_type", error_description="only code")
        if not p.get("client_id") or (client_id and p["client_id"] != client_id):
            return back(error="unauthorized_client", error_description="unknown client_id")
        if p.get("code_challenge_method") != "S256" or not p.get("code_challenge"):
            return back(error="invalid_request", error_description="PKCE with S256 is required")
        code = secrets.token_urlsafe(24)
        with STATE.lock:
            STATE.codes[code] = {
                "client_id": p["client_id"],
                "redirect_uri": redirect,
                "challenge": p["code_challenge"],
                "user": STATE.user,
            }
        back(code=code)

    def issue(self, user, client_id, refresh=True):
        access = secrets.token_urlsafe(32)
        reply = {"access_token": access, "token_type": "Bearer", "expires_in": STATE.expires_in}
        STATE.access[access] = {"user": user, "expires": time.time() + STATE.expires_in,
                                "revoked": False}
        if refresh:
            token = secrets.token_urlsafe(32)
            STATE.refresh[token] = {"user": user, "client_id": client_id, "revoked": False}
            reply["refresh_token"] = token
        return reply

    def token(self, p):
        grant = p.get("grant_type", "")
        with STATE.lock:
            STATE.counts[grant] = STATE.counts.get(grant, 0) + 1
            if STATE.secret and p.get("client_secret") != STATE.secret:
                # A secret may also come as HTTP basic authentication.
                basic = self.headers.get("Authorization", "")
                ok = False
                if basic.startswith("Basic "):
                    try:
                        pair = base64.b64decode(basic[6:]).decode("utf-8")
                        ok = pair.partition(":")[2] == STATE.secret
                    except ValueError:
                        ok = False
                if not ok:
                    return self.error("invalid_client", "The client secret is wrong", 401)
            if grant == "authorization_code":
                entry = STATE.codes.pop(p.get("code", ""), None)
                if entry is None:
                    return self.error("invalid_grant", "Unknown or used authorization code")
                if p.get("client_id") != entry["client_id"]:
                    return self.error("invalid_grant", "client_id does not match")
                if p.get("redirect_uri") != entry["redirect_uri"]:
                    return self.error("invalid_grant", "redirect_uri does not match")
                verifier = p.get("code_verifier", "")
                digest = b64url(hashlib.sha256(verifier.encode("ascii", "replace")).digest())
                if not verifier or digest != entry["challenge"]:
                    return self.error("invalid_grant", "PKCE verification failed")
                return self.json(200, self.issue(entry["user"], entry["client_id"]))
            if grant == "refresh_token":
                entry = STATE.refresh.get(p.get("refresh_token", ""))
                if entry is None or entry["revoked"]:
                    return self.error("invalid_grant", "Token has been expired or revoked.")
                # The refresh token stays the same: clients keep the one they have.
                return self.json(200, self.issue(entry["user"], entry["client_id"], False))
            return self.error("unsupported_grant_type", "grant_type %r" % grant)

    def introspect(self, p):
        token = p.get("token", "")
        if not token:
            auth = self.headers.get("Authorization", "")
            if auth.startswith("Bearer "):
                token = auth[7:]
        with STATE.lock:
            entry = STATE.access.get(token)
            active = bool(entry) and not entry["revoked"] and entry["expires"] > time.time()
            if not active:
                return self.json(200, {"active": "false"})
            self.json(200, {"active": "true", "username": entry["user"],
                            "exp": int(entry["expires"])})

    def control(self, name, p):
        with STATE.lock:
            if name == "user":
                STATE.user = p.get("name", "")
            elif name == "expires":
                STATE.expires_in = int(p.get("seconds", "3600"))
            elif name == "revoke":
                for entry in list(STATE.access.values()) + list(STATE.refresh.values()):
                    entry["revoked"] = True
            elif name == "expire":
                for entry in STATE.access.values():
                    entry["expires"] = 0
            elif name == "deny":
                STATE.deny = p.get("on", "1") not in ("0", "false", "")
            elif name == "secret":
                STATE.secret = p.get("value", "")
            elif name == "issue":
                return self.json(200, self.issue(STATE.user, "control"))
            else:
                return self.send(404, "unknown control", "text/plain")
        self.json(200, {"ok": True})


def main():
    global STATE
    STATE = State(sys.argv[1:])
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
