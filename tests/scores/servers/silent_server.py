"""A host that accepts connections and never says a word: a web server or a
mail relay that has stopped answering.

    python3 silent_server.py PORT
"""
import socket
import sys

server = socket.create_server(("127.0.0.1", int(sys.argv[1])))
held = []  # kept open, so the other side waits for an answer
while True:
    connection, _ = server.accept()
    held.append(connection)
