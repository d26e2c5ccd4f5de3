"""An RFC 3161 time-stamp server on 127.0.0.1 for the release tests, answering with openssl.

    python3 TimeStampServer.py CERT KEY URL-FILE

CERT and KEY are the time-stamping certificate and its key (PEM); once it listens, it writes its
address to URL-FILE. It serves until it is ended.
"""
import http.server
import os
import subprocess
import sys
import tempfile

cert, key, url_file = sys.argv[1:4]
work = tempfile.mkdtemp()
config = os.path.join(work, "tsa.cnf")
with open(os.path.join(work, "serial"), "w") as serial:
    serial.write("01\n")
with open(config, "w") as text:
    text.write(f"""[tsa]
default_tsa = tsa_config
[tsa_config]
serial = {work}/serial
signer_digest = sha256
default_policy = 1.3.6.1.4.1.4146.2.3
digests = sha256, sha384, sha512, sha1
ess_cert_id_alg = sha256
accuracy = secs:1
""")


class TimeStamper(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        with tempfile.TemporaryDirectory() as folder:
            query_file = os.path.join(folder, "query.tsq")
            reply_file = os.path.join(folder, "reply.tsr")
            with open(query_file, "wb") as out:
                out.write(query)
            done = subprocess.run(["openssl", "ts", "-reply", "-config", config,
                                   "-queryfile", query_file, "-signer", cert, "-inkey", key,
                                   "-out", reply_file], capture_output=True)
            if done.returncode != 0:
                sys.stderr.write(done.stderr.decode())
                self.send_error(500)
                return
            with open(reply_file, "rb") as reply_in:
                reply = reply_in.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *_):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), TimeStamper)
# Written whole, then renamed: the test never reads half an address.
with open(url_file + ".part", "w") as out:
    out.write(f"http://127.0.0.1:{server.server_port}/")
os.rename(url_file + ".part", url_file)
server.serve_forever()
