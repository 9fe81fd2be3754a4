#include "platform/web/http_server.h"

#include <civetweb.h>

#include <cstring>
#include <vector>

namespace dsp {
namespace {

std::string Header(const mg_connection* connection, const char* name) {
    const char* value = mg_get_header(connection, name);
    return value ? value : "";
}

HttpRequest RequestOf(const mg_connection* connection) {
    const mg_request_info* info = mg_get_request_info(connection);
    HttpRequest request;
    request.method = info->request_method ? info->request_method : "";
    request.path = info->local_uri ? info->local_uri : "";
    request.query = info->query_string ? info->query_string : "";
    request.remoteAddress = info->remote_addr;
    request.host = Header(connection, "Host");
    request.origin = Header(connection, "Origin");
    return request;
}

std::string_view ReasonOf(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 429:
            return "Too Many Requests";
        default:
            return "Error";
    }
}

std::uint64_t IdOf(const mg_connection* connection) {
    const void* data = mg_get_user_connection_data(connection);
    return data ? *static_cast<const std::uint64_t*>(data) : 0;
}

}  // namespace

struct HttpServer::Callbacks {
    static HttpServer& Of(const mg_connection* connection) {
        return *static_cast<HttpServer*>(mg_get_user_data(mg_get_context(connection)));
    }

    static int Page(mg_connection* connection, void*) {
        const HttpResponse response = Of(connection).handler_.Serve(RequestOf(connection));
        // No cache: a page or refusal must never be served again without the
        // token being checked; no referrer: the token is in the address.
        mg_printf(connection,
                  "HTTP/1.1 %d %s\r\nContent-Type: %s\r\nContent-Length: %zu\r\nCache-Control: no-store\r\n"
                  "Referrer-Policy: no-referrer\r\nX-Content-Type-Options: nosniff\r\n"
                  "X-Frame-Options: DENY\r\nConnection: close\r\n\r\n",
                  response.status, std::string(ReasonOf(response.status)).c_str(),
                  response.contentType.c_str(), response.body.size());
        mg_write(connection, response.body.data(), response.body.size());
        return response.status;
    }

    static int Connect(const mg_connection* connection, void*) {
        HttpServer& server = Of(connection);
        auto* id = new std::uint64_t(0);
        {
            std::lock_guard guard(server.lock_);
            *id = server.nextId_++;
        }
        if (!server.handler_.AcceptSocket(RequestOf(connection), *id)) {
            delete id;
            return 1;
        }
        mg_set_user_connection_data(connection, id);
        return 0;
    }

    static void Ready(mg_connection* connection, void*) {
        HttpServer& server = Of(connection);
        const std::uint64_t id = IdOf(connection);
        {
            std::lock_guard guard(server.lock_);
            server.sockets_[id] = connection;
        }
        server.handler_.SocketOpened(id);
    }

    static int Data(mg_connection* connection, int bits, char* data, size_t size, void*) {
        HttpServer& server = Of(connection);
        switch (bits & 0x0f) {
            case MG_WEBSOCKET_OPCODE_TEXT:
                // Only whole text messages in one frame: the page never sends
                // more than a line, so fragments and oversized text close.
                if ((bits & 0x80) == 0 || size > server.options_.maxMessageBytes) return 0;
                return server.handler_.SocketText(IdOf(connection), std::string_view(data, size)) ? 1 : 0;
            case MG_WEBSOCKET_OPCODE_PING:
            case MG_WEBSOCKET_OPCODE_PONG:
                return 1;
            default:
                return 0;
        }
    }

    static void Closed(const mg_connection* connection, void*) {
        HttpServer& server = Of(connection);
        auto* id = static_cast<std::uint64_t*>(mg_get_user_connection_data(connection));
        if (!id) return;
        {
            std::lock_guard guard(server.lock_);
            server.sockets_.erase(*id);
        }
        server.handler_.SocketClosed(*id);
        mg_set_user_connection_data(connection, nullptr);
        delete id;
    }

    static int Log(const mg_connection*, const char*) { return 1; }
};

HttpServer::HttpServer(const HttpServerOptions& options, HttpHandler& handler)
    : options_(options), handler_(handler) {
    mg_init_library(MG_FEATURES_WEBSOCKET);
    const bool ipv6 = options.address.find(':') != std::string::npos;
    if (ipv6 && mg_check_feature(MG_FEATURES_IPV6) == 0) {
        error_ = "this build's web server has no IPv6; use an IPv4 address (0.0.0.0 for every interface)";
        return;
    }
    const std::string listen =
        (ipv6 ? "[" + options.address + "]" : options.address) + ":" + std::to_string(options.port);
    const std::string threads = std::to_string(options.threads);
    const std::string requestBytes = std::to_string(options.maxRequestBytes);
    const std::string idle = std::to_string(options.idleSocketMs);
    const char* config[] = {"listening_ports",
                            listen.c_str(),
                            "num_threads",
                            threads.c_str(),
                            "max_request_size",
                            requestBytes.c_str(),
                            "request_timeout_ms",
                            "10000",
                            "websocket_timeout_ms",
                            idle.c_str(),
                            "enable_websocket_ping_pong",
                            "yes",
                            "enable_directory_listing",
                            "no",
                            "enable_keep_alive",
                            "no",
                            "access_control_allow_origin",
                            "",
                            nullptr};
    mg_callbacks callbacks{};
    callbacks.log_message = Callbacks::Log;
    mg_init_data init{};
    init.callbacks = &callbacks;
    init.user_data = this;
    init.configuration_options = config;
    mg_error_data failure{};
    char text[256] = "";
    failure.text = text;
    failure.text_buffer_size = sizeof text;
    context_ = mg_start2(&init, &failure);
    if (!context_) {
        error_ = text[0] ? text : "cannot start the web server";
        return;
    }
    mg_server_port ports[4]{};
    if (mg_get_server_ports(context_, 4, ports) > 0) port_ = static_cast<std::uint16_t>(ports[0].port);
    mg_set_request_handler(context_, "/", Callbacks::Page, nullptr);
    mg_set_websocket_handler(context_, options.socketPath.c_str(), Callbacks::Connect, Callbacks::Ready,
                             Callbacks::Data, Callbacks::Closed, nullptr);
}

HttpServer::~HttpServer() {
    if (context_) mg_stop(context_);
    mg_exit_library();
}

mg_connection* HttpServer::Find(std::uint64_t id) {
    const auto found = sockets_.find(id);
    return found == sockets_.end() ? nullptr : found->second;
}

bool HttpServer::Send(std::uint64_t id, std::string_view text) {
    // Held while writing, so a connection cannot close under the write.
    std::lock_guard guard(lock_);
    mg_connection* connection = Find(id);
    return connection &&
           mg_websocket_write(connection, MG_WEBSOCKET_OPCODE_TEXT, text.data(), text.size()) > 0;
}

void HttpServer::Close(std::uint64_t id) {
    std::lock_guard guard(lock_);
    if (mg_connection* connection = Find(id))
        mg_websocket_write(connection, MG_WEBSOCKET_OPCODE_CONNECTION_CLOSE, "\x03\xe8", 2);
}

}  // namespace dsp
