// A small JSON Schema (2020-12) checker for the keywords the results schema
// uses. Any other keyword in the schema is reported as an error, so the
// schema can never rely on a rule that is silently not checked.
#pragma once

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

namespace vc::test {

class SchemaCheck {
 public:
  explicit SchemaCheck(const nlohmann::json& root) : root_(root) {}

  // Every violation, each with the path of the offending value.
  std::vector<std::string> errors(const nlohmann::json& value) {
    errors_.clear();
    check(root_, value, "$");
    return errors_;
  }

 private:
  using json = nlohmann::json;

  static bool hasType(const json& v, const std::string& t) {
    if (t == "object") return v.is_object();
    if (t == "array") return v.is_array();
    if (t == "string") return v.is_string();
    if (t == "boolean") return v.is_boolean();
    if (t == "null") return v.is_null();
    if (t == "number") return v.is_number();
    if (t == "integer")
      return v.is_number_integer() ||
             (v.is_number_float() && v.get<double>() == static_cast<long long>(v.get<double>()));
    return false;
  }

  bool valid(const json& schema, const json& v, const std::string& path) {
    const size_t before = errors_.size();
    check(schema, v, path);
    const bool ok = errors_.size() == before;
    errors_.resize(before);
    return ok;
  }

  void fail(const std::string& path, const std::string& what) {
    errors_.push_back(path + ": " + what);
  }

  void check(const json& s, const json& v, const std::string& path) {
    static const std::set<std::string> annotations = {"$schema", "$id", "$defs", "title",
                                                      "description"};
    for (const auto& [key, rule] : s.items()) {
      if (annotations.count(key)) continue;
      if (key == "$ref") {
        const std::string name = rule.get<std::string>().substr(std::string("#/$defs/").size());
        check(root_.at("$defs").at(name), v, path);
      } else if (key == "type") {
        bool any = false;
        for (const json& t : rule.is_array() ? rule : json::array({rule}))
          any = any || hasType(v, t);
        if (!any) fail(path, "type is not " + rule.dump());
      } else if (key == "enum") {
        bool any = false;
        for (const json& e : rule) any = any || e == v;
        if (!any) fail(path, "not one of " + rule.dump());
      } else if (key == "const") {
        if (v != rule) fail(path, "not " + rule.dump());
      } else if (key == "anyOf") {
        bool any = false;
        for (const json& alt : rule) any = any || valid(alt, v, path);
        if (!any) fail(path, "matches no alternative");
      } else if (key == "minimum" || key == "maximum") {
        if (v.is_number() && (key == "minimum" ? v.get<double>() < rule.get<double>()
                                               : v.get<double>() > rule.get<double>()))
          fail(path, key + " " + rule.dump());
      } else if (key == "minItems" || key == "maxItems") {
        if (v.is_array() &&
            (key == "minItems" ? v.size() < rule.get<size_t>() : v.size() > rule.get<size_t>()))
          fail(path, key + " " + rule.dump());
      } else if (key == "items") {
        if (v.is_array())
          for (size_t i = 0; i < v.size(); ++i)
            check(rule, v[i], path + "[" + std::to_string(i) + "]");
      } else if (key == "required") {
        if (v.is_object())
          for (const json& name : rule)
            if (!v.contains(name.get<std::string>()))
              fail(path, "lacks " + name.get<std::string>());
      } else if (key == "properties") {
        if (v.is_object())
          for (const auto& [name, sub] : rule.items())
            if (v.contains(name)) check(sub, v.at(name), path + "." + name);
      } else if (key == "additionalProperties") {
        if (v.is_object() && rule == false)
          for (const auto& [name, sub] : v.items())
            if (!s.contains("properties") || !s.at("properties").contains(name))
              fail(path, "unexpected " + name);
      } else {
        fail(path, "schema keyword not checked: " + key);
      }
    }
  }

  const json& root_;
  std::vector<std::string> errors_;
};

}  // namespace vc::test
