"""An aiosmtpd handler that keeps every message it accepts in a folder, as
N.envelope (the sender, then one recipient a line) and N.eml (the message as
it arrived, dots unstuffed). The addresses given after the folder are refused
as recipients, and a mail from one of them is refused after its data.

    python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c mail_drop.MailDrop FOLDER [REFUSED ...]
"""
import os


class MailDrop:
    def __init__(self, folder, refused):
        self.folder = folder
        self.refused = set(refused)
        self.count = 0

    @classmethod
    def from_cli(cls, parser, folder, *refused):
        return cls(folder, refused)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.refused:
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 Ok"

    async def handle_DATA(self, server, session, envelope):
        if envelope.mail_from in self.refused:
            return "554 5.7.1 Message rejected"
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".envelope", "w", encoding="utf-8") as out:
            out.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        # Written under another name first, so a reader never sees half a mail.
        with open(base + ".part", "wb") as out:
            out.write(envelope.content)
        os.rename(base + ".part", base + ".eml")
        # The wording of a common relay: no "OK" in capitals anywhere.
        return "250 2.0.0 Ok: queued as %d" % self.count
