#!/usr/bin/python3
"""A mail server on the loopback address for the test e-mail's tests.

    smtp_test_server.py MODE LOG [--user U --password P] [--delay SECONDS] [--cert-dir DIR]

MODE is one of
    plain     no encryption offered; login allowed without it
    starttls  STARTTLS offered (a self-signed certificate made in DIR)
    tls       TLS from the first byte (the same certificate)
    silent    accepts connections and never says a word

The server listens on a free port of 127.0.0.1 and prints "port N" on its first
line once it accepts connections. Everything it sees goes to LOG, one event a
line: the event's name, then key=value pairs whose values are hex-encoded
UTF-8, so any text survives:
    connect
    auth mechanism=.. user=.. password=.. ok=..
    message from=.. to=.. subject=.. body=.. language=.. charset=..
The subject and body are decoded by Python's own e-mail parser, so a message
that is not proper MIME shows up as such. It runs until it is terminated.
"""

import argparse
import asyncio
import warnings
import email
import email.policy
import logging
import os
import ssl
import subprocess
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def hexed(text):
    return (text or "").encode("utf-8", "surrogateescape").hex()


class Log:
    def __init__(self, path):
        self.file = open(path, "a", encoding="ascii")

    def write(self, event, **fields):
        parts = [event] + [f"{key}={hexed(value)}" for key, value in fields.items()]
        self.file.write(" ".join(parts) + "\n")
        self.file.flush()


def make_certificate(folder):
    """A self-signed certificate for localhost and 127.0.0.1, made now."""
    cert = os.path.join(folder, "server.pem")
    key = os.path.join(folder, "server.key")
    subprocess.run(
        ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
         "-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1",
         "-keyout", key, "-out", cert],
        check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)
    return context


class Handler:
    def __init__(self, log, delay):
        self.log = log
        self.delay = delay

    async def handle_DATA(self, server, session, envelope):
        if self.delay:
            await asyncio.sleep(self.delay)
        parsed = email.message_from_bytes(envelope.original_content or envelope.content,
                                          policy=email.policy.default)
        body = parsed.get_body(preferencelist=("plain",))
        self.log.write("message",
                       sender=envelope.mail_from,
                       to=",".join(envelope.rcpt_tos),
                       subject=str(parsed["subject"] or ""),
                       body=body.get_content() if body else "",
                       language=str(parsed["content-language"] or ""),
                       charset=body.get_content_charset() if body else "")
        return "250 2.0.0 Message accepted for delivery"


class Authenticator:
    def __init__(self, log, user, password):
        self.log = log
        self.user = user
        self.password = password

    def __call__(self, server, session, envelope, mechanism, auth_data):
        if not isinstance(auth_data, LoginPassword):
            return AuthResult(success=False, handled=False)
        user = auth_data.login.decode("utf-8", "surrogateescape")
        password = auth_data.password.decode("utf-8", "surrogateescape")
        ok = user == self.user and password == self.password
        self.log.write("auth", mechanism=mechanism, user=user, password=password,
                       ok="yes" if ok else "no")
        # Not handled: the server answers a failure with its standard 535 reply.
        return AuthResult(success=ok, handled=False)


class LoggingSMTP(SMTP):
    def __init__(self, *args, log, **kwargs):
        super().__init__(*args, **kwargs)
        self.event_log = log

    def connection_made(self, transport):
        # Called again on the encrypted transport after STARTTLS: one connection.
        if not getattr(self, "logged_connect", False):
            self.logged_connect = True
            self.event_log.write("connect")
        super().connection_made(transport)


class Silent(asyncio.Protocol):
    def __init__(self, log):
        self.log = log

    def connection_made(self, transport):
        self.log.write("connect")
        self.transport = transport  # kept open, never answered


async def serve(arguments):
    log = Log(arguments.log)
    loop = asyncio.get_running_loop()
    tls = None
    if arguments.mode in ("starttls", "tls"):
        tls = make_certificate(arguments.cert_dir)

    if arguments.mode == "silent":
        factory = lambda: Silent(log)
    else:
        def factory():
            return LoggingSMTP(
                Handler(log, arguments.delay),
                log=log,
                hostname="localhost",
                authenticator=Authenticator(log, arguments.user, arguments.password),
                auth_require_tls=arguments.mode == "starttls",
                tls_context=tls if arguments.mode == "starttls" else None,
                require_starttls=False)

    server = await loop.create_server(
        factory, "127.0.0.1", 0, ssl=tls if arguments.mode == "tls" else None)
    print(f"port {server.sockets[0].getsockname()[1]}", flush=True)
    async with server:
        await server.serve_forever()


def main():
    # The library's own deprecation notes are not ours to act on.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.ERROR)
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=["plain", "starttls", "tls", "silent"])
    parser.add_argument("log")
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--cert-dir", default=".")
    arguments = parser.parse_args()
    try:
        asyncio.run(serve(arguments))
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
