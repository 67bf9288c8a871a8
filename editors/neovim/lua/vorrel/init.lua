-- SPDX-License-Identifier: MIT
-- Starts and stops the bridge, the small program that owns Wexdor4.Plugin on the session bus
-- (Neovim has no D-Bus of its own) and hands the wizard's calls to vorrel.document. The bridge
-- runs as an RPC job: it talks msgpack-RPC on its stdin and stdout, and ends when Neovim closes
-- them.
local M = {}

local channel = nil

local function bridge_program()
  local folder = vim.g.vorrel_bridge_dir or require("vorrel.where")
  return folder .. "/vorrel-bridge"
end

local function tell(text, level)
  vim.schedule(function()
    vim.notify("Vorrel host: " .. text, level or vim.log.levels.INFO)
  end)
end

-- The bridge's channel, for the answers that come after the call that asked for them.
function M.channel()
  return channel
end

function M.running()
  return channel ~= nil
end

function M.start()
  if channel then
    return
  end
  local errors = {}
  -- The bridge's own first line names Debian's Python, which has the gi and msgpack modules.
  local command = { bridge_program() }
  if vim.g.vorrel_python then
    table.insert(command, 1, vim.g.vorrel_python)
  end
  local started = vim.fn.jobstart(command, {
    rpc = true,
    on_stderr = function(_, lines)
      for _, line in ipairs(lines) do
        if line ~= "" then
          table.insert(errors, line)
        end
      end
    end,
    on_exit = function(job, code)
      if channel == job then
        channel = nil
      end
      if code ~= 0 and code ~= 143 then
        tell("the bridge stopped (" .. code .. "): " .. table.concat(errors, "\n"),
          vim.log.levels.ERROR)
      end
    end,
  })
  if started <= 0 then
    tell("cannot start " .. bridge_program(), vim.log.levels.ERROR)
    return
  end
  channel = started
end

function M.stop()
  if channel then
    local closing = channel
    channel = nil
    -- The bridge sees the end of its input, gives the bus name up and ends.
    vim.fn.chanclose(closing)
  end
end

-- Called by the bridge when the bus name is taken: it waits in line for it.
function M.queued()
  tell("another editor is the Vorrel host; this Neovim takes over when that one ends.")
end

return M
