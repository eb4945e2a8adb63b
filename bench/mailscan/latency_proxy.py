#!/usr/bin/env python3
"""A TCP proxy on 127.0.0.1 that delays every byte by half a round trip in each
direction, keeping the order and without limiting the bandwidth, so that a
loopback server looks like one across a network. Prints "port=N" once listening,
and "server_bytes=N" when a connection has ended: the bytes the server sent on it.
Usage: latency_proxy.py TARGET_PORT ROUND_TRIP_MS"""
import asyncio
import sys


async def pump(reader, writer, delay, counted=None):
    loop = asyncio.get_running_loop()
    queue = asyncio.Queue()

    async def receive():
        while True:
            data = await reader.read(65536)
            if counted is not None:
                counted[0] += len(data)
            await queue.put((loop.time() + delay, data))
            if not data:
                return

    async def send():
        while True:
            due, data = await queue.get()
            wait = due - loop.time()
            if wait > 0:
                await asyncio.sleep(wait)
            if not data:
                if writer.can_write_eof():
                    writer.write_eof()
                return
            writer.write(data)
            await writer.drain()

    try:
        await asyncio.gather(receive(), send())
    except (ConnectionError, OSError):
        writer.close()


async def main():
    target, round_trip = int(sys.argv[1]), float(sys.argv[2]) / 1000
    delay = round_trip / 2

    async def accept(client_reader, client_writer):
        try:
            server_reader, server_writer = await asyncio.open_connection("127.0.0.1", target)
        except OSError:
            client_writer.close()
            return
        from_server = [0]
        await asyncio.gather(pump(client_reader, server_writer, delay),
                             pump(server_reader, client_writer, delay, from_server))
        client_writer.close()
        server_writer.close()
        print(f"server_bytes={from_server[0]}", flush=True)

    server = await asyncio.start_server(accept, "127.0.0.1", 0)
    print(f"port={server.sockets[0].getsockname()[1]}", flush=True)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    asyncio.run(main())
