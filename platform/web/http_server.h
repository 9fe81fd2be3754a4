#pragma once
// A small HTTP server with WebSockets, over the embedded web server library.
// It serves on one address and port from the library's own worker threads:
// every callback of the Handler runs on one of those threads, never on the
// user-interface thread. Each WebSocket connection gets a number; Send may be
// called from any thread with that number, and does nothing once the
// connection is gone. Plain HTTP only.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

struct mg_context;
struct mg_connection;

namespace dsp {

struct HttpRequest {
    std::string method;
    std::string path;
    std::string query;  // after '?', still encoded
    std::string remoteAddress;
    std::string host;    // the Host header, "" when absent
    std::string origin;  // the Origin header, "" when absent
};

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
};

class HttpHandler {
  public:
    virtual ~HttpHandler() = default;
    virtual HttpResponse Serve(const HttpRequest& request) = 0;
    // Before the WebSocket handshake: false refuses the connection. `id`
    // names the connection from here on.
    virtual bool AcceptSocket(const HttpRequest& request, std::uint64_t id) = 0;
    virtual void SocketOpened(std::uint64_t id) = 0;
    // One text message. False closes the connection.
    virtual bool SocketText(std::uint64_t id, std::string_view text) = 0;
    // Once for every accepted id, whether it opened or not.
    virtual void SocketClosed(std::uint64_t id) = 0;
};

struct HttpServerOptions {
    std::string address = "127.0.0.1";
    std::uint16_t port = 0;
    std::string socketPath = "/ws";
    int threads = 12;                    // page loads and open sockets together
    std::size_t maxRequestBytes = 8192;  // request line and headers
    std::size_t maxMessageBytes = 4096;  // one WebSocket message
    int idleSocketMs = 30000;            // a socket silent this long is pinged
};

class HttpServer {
  public:
    HttpServer(const HttpServerOptions& options, HttpHandler& handler);
    ~HttpServer();  // stops the server and waits for its threads
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // "" when it serves, else why it could not start.
    const std::string& Error() const { return error_; }
    // The port it listens on (the one chosen when 0 was asked for).
    std::uint16_t Port() const { return port_; }

    // False when the connection is gone or the write failed.
    bool Send(std::uint64_t id, std::string_view text);
    void Close(std::uint64_t id);

  private:
    struct Callbacks;
    friend struct Callbacks;

    mg_connection* Find(std::uint64_t id);

    HttpServerOptions options_;
    HttpHandler& handler_;
    mg_context* context_ = nullptr;
    std::string error_;
    std::uint16_t port_ = 0;
    std::mutex lock_;
    std::uint64_t nextId_ = 1;
    std::map<std::uint64_t, mg_connection*> sockets_;
};

}  // namespace dsp
